// The program folder: found only relative to the executable (or where SPIRELTA_DATA_DIR points),
// and a start-up message that names the data that is missing.

#include "common/StringTable.h"
#include "platform/Folders.h"
#include "platform/ProgramDataCheck.h"
#include "support/RecordingPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgramData : public ::testing::Test {
protected:
    void SetUp() override { RecordingPrompter::instance().clear(); }
    void TearDown() override {
        qunsetenv("SPIRELTA_DATA_DIR");
        RecordingPrompter::instance().clear();
    }
};

TEST_F(ProgramData, BuildTreeDataIsFoundBesideTheProgramAndComplete) {
    const QString expected =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../resources"));
    EXPECT_EQ(folders::programFolder(), expected);
    EXPECT_TRUE(
        folders::programFile(QStringLiteral("docs/operating-instructions.html")).startsWith(expected));
    EXPECT_TRUE(programdata::checkAndReport(nullptr));
    EXPECT_TRUE(RecordingPrompter::instance().requests.isEmpty());
}

TEST_F(ProgramData, OneMessageNamesEverythingMissingFromTheChosenFolder) {
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("docs")));
    qputenv("SPIRELTA_DATA_DIR", QFile::encodeName(data.path()));
    // Only the chosen folder counts: the build tree's complete data is not consulted.
    EXPECT_EQ(folders::programFile(QStringLiteral("db.mdb")),
              QDir(data.path()).filePath(QStringLiteral("db.mdb")));
    EXPECT_EQ(folders::missingProgramData(), QStringList({"mb", "db.mdb", "klqd.xls"}));

    EXPECT_FALSE(programdata::checkAndReport(nullptr));
    const auto& asked = RecordingPrompter::instance().requests;
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].title, StringTable::text(1318));
    EXPECT_EQ(asked[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("mb, db.mdb, klqd.xls"))) << qPrintable(asked[0].text);
    EXPECT_TRUE(asked[0].text.contains(QDir::toNativeSeparators(data.path())));
}

} // namespace
