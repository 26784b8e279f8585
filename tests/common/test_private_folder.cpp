// The private folder: a folder another user could have made first (theirs, or a link) is
// refused with a message naming it and left as it was; the user's own folder is made private
// and used. The session's runtime folder is checked alike and passed over when refused.

#include "common/PrivateFolder.h"
#include "common/StringTable.h"
#include "support/PlantedFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FolderCase {
    PlantedFolderCase planted;
    bool usable;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    PrintTo(c.planted, os);
}

class PrivateFolderCheck : public ::testing::TestWithParam<FolderCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir().mkpath(cache));
        const QString skip = plantFolder(GetParam().planted.kind, planted);
        if (!skip.isEmpty())
            GTEST_SKIP() << qPrintable(skip);
    }
    void TearDown() override { StringTable::setLanguage(Language::ZhCN); }

    QTemporaryDir scratch;
    const QString cache = scratch.filePath("cache");
    const QString planted = scratch.filePath("cache/helidraw");
    CacheFolderInTest inTest{cache};
};

const FolderCase kCases[] = {
    {{"folder owned by another user", PlantedFolder::ForeignOwned}, false},
    {{"link to a folder", PlantedFolder::LinkToFolder}, false},
    {{"own folder open to all", PlantedFolder::OwnOpen}, true},
};

TEST_P(PrivateFolderCheck, AsTheUsersOwnFolder) {
    const QString before = folderState(planted);
    for (Language language : {Language::ZhCN, Language::ZhTW, Language::EnUS}) {
        StringTable::setLanguage(language);
        const PrivatePath folder = privateFolder(QString(), QStringLiteral("helidraw"));
        if (GetParam().usable) {
            EXPECT_TRUE(folder.usable()) << qPrintable(folder.refusal);
            EXPECT_EQ(folder.path, planted);
            EXPECT_EQ(QFile::permissions(planted) & 0x7077,
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
                << qPrintable(folderState(planted));
        } else {
            EXPECT_FALSE(folder.usable());
            EXPECT_TRUE(folder.path.isEmpty()) << qPrintable(folder.path);
            EXPECT_TRUE(folder.refusal.contains(planted)) << qPrintable(folder.refusal);
            EXPECT_TRUE(folder.file(QStringLiteral("helidraw-host.socket")).path.isEmpty());
            EXPECT_EQ(folderState(planted), before);
        }
    }
}

TEST_P(PrivateFolderCheck, AsTheSessionsRuntimeFolder) {
    const QString before = folderState(planted);
    const QString fallback = scratch.filePath("cache/spirelta");
    const PrivatePath folder = privateFolder(planted, QStringLiteral("spirelta"));
    EXPECT_TRUE(folder.usable()) << qPrintable(folder.refusal);
    if (GetParam().usable) {
        EXPECT_EQ(folder.path, planted);
        EXPECT_EQ(QFile::permissions(planted) & 0x7077,
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            << qPrintable(folderState(planted));
    } else {
        EXPECT_EQ(folder.path, fallback);
        EXPECT_EQ(folderState(planted), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Planted, PrivateFolderCheck, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return caseTestName(info.param.planted.name); });

} // namespace
