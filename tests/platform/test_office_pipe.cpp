// The office pipe: a private random name, recorded for the next run, replaced when stale or not
// trustworthy, and a listener planted under the old guessable name is never contacted. A record
// folder made first by someone else is never used: the export says why no office can start.

#include "platform/ExcelTemplateExport.h"
#include "platform/OfficePipeRecord.h"
#include "platform/UnoSpreadsheet.h"
#include "support/PlantedFolders.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

class OfficePipe : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(officepipe::recordPath().path); }
    void TearDown() override { QFile::remove(officepipe::recordPath().path); }
};

TEST_F(OfficePipe, NameIsRandomPrivateAndKeptForTheNextRun) {
    const QString name = officepipe::recorded().name;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^spirelta-[0-9a-f]{32}$")).match(name).hasMatch())
        << qPrintable(name);
    EXPECT_EQ(officepipe::recorded().name, name);
    EXPECT_EQ(QFile::permissions(officepipe::recordPath().path) & 0x0077, 0) << "readable by others";
    const QString renewed = officepipe::renew().name;
    EXPECT_NE(renewed, name);
    EXPECT_EQ(officepipe::recorded().name, renewed);
}

TEST_F(OfficePipe, UntrustworthyOrMalformedRecordIsReplaced) {
    struct Case {
        const char* name;
        QByteArray content;
        QFile::Permissions permissions;
    };
    const Case cases[] = {
        {"readable by others", "spirelta-0123456789abcdef0123456789abcdef",
         QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup},
        {"guessable name", "spirelta-0", QFile::ReadOwner | QFile::WriteOwner},
        {"other program's pipe", "OSL_PIPE_0_probe", QFile::ReadOwner | QFile::WriteOwner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile record(officepipe::recordPath().path);
        ASSERT_TRUE(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
        record.write(c.content);
        record.close();
        record.setPermissions(c.permissions);
        const QString name = officepipe::recorded().name;
        EXPECT_NE(name.toLatin1(), c.content);
        EXPECT_TRUE(name.startsWith(QStringLiteral("spirelta-")));
        EXPECT_EQ(QFile::permissions(officepipe::recordPath().path) & 0x0077, 0);
    }
}

TEST_F(OfficePipe, WithoutAUsableRuntimeFolderTheRecordStaysInTheUsersCache) {
    const QByteArray session = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir scratch;
    QFile notAFolder(scratch.filePath("not-a-folder"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/spirelta");
    ASSERT_FALSE(cache.isEmpty());

    struct Case {
        const char* name;
        std::optional<QString> runtime; // XDG_RUNTIME_DIR, unset when empty
        QString expectedFolder;
    };
    const Case cases[] = {
        {"runtime folder unset", std::nullopt, cache},
        {"runtime folder is a file", notAFolder.fileName(), cache},
        {"private runtime folder", scratch.path(), scratch.path()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.runtime)
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(*c.runtime));
        else
            qunsetenv("XDG_RUNTIME_DIR");
        const QString path = officepipe::recordPath().path;
        EXPECT_EQ(path, c.expectedFolder + QStringLiteral("/spirelta-office-pipe")) << qPrintable(path);
        QFile::remove(path);
        const QString name = officepipe::recorded().name;
        EXPECT_EQ(officepipe::recorded().name, name) << "kept for the next run";
        EXPECT_EQ(QFile::permissions(path) & 0x0077, 0);
        QFile::remove(path);
    }
    qputenv("XDG_RUNTIME_DIR", session);
}

TEST_F(OfficePipe, ListenerPlantedUnderTheOldNameIsNeverContacted) {
    // The office's pipes are sockets named /tmp/OSL_PIPE_<uid>_<pipe name>.
    const QString planted = QStringLiteral("/tmp/OSL_PIPE_%1_spirelta-%1").arg(::getuid());
    QLocalServer::removeServer(planted);
    QLocalServer listener;
    ASSERT_TRUE(listener.listen(planted)) << qPrintable(listener.errorString());

    OfficeOptions options;
    options.program = QStringLiteral("/bin/false"); // an office that never answers
    options.headless = true;
    options.startTimeoutMs = 300;
    UnoSpreadsheet office(options);
    EXPECT_FALSE(office.attach());
    QCoreApplication::processEvents();
    EXPECT_FALSE(listener.waitForNewConnection(200));
    EXPECT_FALSE(listener.hasPendingConnections());
}

class OfficeRecordFolder : public ::testing::TestWithParam<PlantedFolderCase> {};

TEST_P(OfficeRecordFolder, MadeFirstBySomeoneElseTheExportSaysWhyNoOfficeStarts) {
    QTemporaryDir scratch;
    const QString cache = scratch.filePath("cache");
    const QString planted = scratch.filePath("cache/spirelta");
    ASSERT_TRUE(QDir().mkpath(cache));
    const QString skip = plantFolder(GetParam().kind, planted);
    if (!skip.isEmpty())
        GTEST_SKIP() << qPrintable(skip);
    const QString before = folderState(planted);
    CacheFolderInTest inTest(cache);

    OfficeOptions options;
    options.program = QStringLiteral("/bin/false");
    options.headless = true;
    options.startTimeoutMs = 300;
    UnoSpreadsheet office(options);
    spreadsheet::install(&office);
    RecordingPrompter::instance().clear();
    const bool filled = ExcelTemplateExport::run(nullptr, QStringLiteral("/mb/tension spring template.xls"),
                                                 {}, ExcelTemplateExport::Kind::SaveAs);
    spreadsheet::install(&RecordingSpreadsheet::instance());

    EXPECT_FALSE(filled);
    ASSERT_EQ(RecordingPrompter::instance().requests.size(), 1);
    const QString said = RecordingPrompter::instance().requests[0].text;
    EXPECT_TRUE(said.contains(planted)) << qPrintable(said);
    EXPECT_EQ(folderState(planted), before);
    RecordingPrompter::instance().clear();
}

INSTANTIATE_TEST_SUITE_P(Planted, OfficeRecordFolder, ::testing::ValuesIn(refusedFolderCases()),
                         [](const auto& info) { return caseTestName(info.param.name); });

} // namespace
