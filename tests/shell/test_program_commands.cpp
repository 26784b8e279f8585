// The main window's program commands, with a desktop that records instead of acting.

#include "platform/DesktopServices.h"
#include "shell/ProgramCommandActions.h"
#include "support/FormTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

class RecordingDesktop : public desktop::Backend {
public:
    QMap<QString, QString> installed; // program name -> path
    QStringList started;
    QList<QUrl> opened;
    bool startSucceeds = true;
    bool openSucceeds = true;

    bool openUrl(const QUrl& url) override {
        opened.append(url);
        return openSucceeds;
    }
    QString findProgram(const QString& name) override { return installed.value(name); }
    bool startDetached(const QString& path) override {
        started.append(path);
        return startSucceeds;
    }
};

class ProgramCommands : public FormTest {
protected:
    RecordingDesktop desk;
    void SetUp() override {
        FormTest::SetUp();
        desktop::setBackend(&desk);
    }
    void TearDown() override {
        desktop::setBackend(nullptr);
        FormTest::TearDown();
    }
};

struct HelperCase {
    const char* name;
    void (*command)(QWidget*);
    const char* secondChoice; // installed together with a later one: the earlier wins
    const char* lastChoice;
    const char* missingWord; // in the message when nothing is installed
};

const HelperCase kHelpers[] = {
    {"calculator", programcommands::startCalculator, "kcalc", "xcalc", "计算器"},
    {"text editor", programcommands::startTextEditor, "gedit", "leafpad", "文本编辑器"},
};

TEST_F(ProgramCommands, HelperProgramsStartTheFirstInstalledOneWithoutArguments) {
    for (const HelperCase& c : kHelpers) {
        SCOPED_TRACE(c.name);
        desk.installed.clear();
        desk.started.clear();
        desk.installed.insert(QString::fromLatin1(c.lastChoice), QStringLiteral("/usr/bin/last"));
        desk.installed.insert(QString::fromLatin1(c.secondChoice), QStringLiteral("/usr/bin/second"));
        c.command(nullptr);
        EXPECT_EQ(desk.started, QStringList{QStringLiteral("/usr/bin/second")});
        EXPECT_TRUE(prompts().requests.isEmpty());
    }
}

TEST_F(ProgramCommands, HelperProgramsThatAreMissingOrFailToStartAreReported) {
    for (const HelperCase& c : kHelpers) {
        SCOPED_TRACE(c.name);
        desk.installed.clear();
        desk.started.clear();
        prompts().clear();
        c.command(nullptr);
        EXPECT_TRUE(desk.started.isEmpty());
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_TRUE(prompts().lastText().contains(QString::fromUtf8(c.missingWord)))
            << qPrintable(prompts().lastText());
        EXPECT_EQ(prompts().requests[0].title, QStringLiteral("提示"));

        prompts().clear();
        desk.installed.insert(QString::fromLatin1(c.lastChoice), QStringLiteral("/usr/bin/last"));
        desk.startSucceeds = false;
        c.command(nullptr);
        desk.startSucceeds = true;
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_TRUE(prompts().lastText().contains(QStringLiteral("/usr/bin/last")));
    }
}

TEST_F(ProgramCommands, MailOpensAnEmptyMessageInTheDesktopsMailProgram) {
    programcommands::composeMail(nullptr);
    ASSERT_EQ(desk.opened.size(), 1);
    EXPECT_EQ(desk.opened[0].toString(), QStringLiteral("mailto:"));
    EXPECT_TRUE(prompts().requests.isEmpty());

    desk.openSucceeds = false;
    programcommands::composeMail(nullptr);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains(QStringLiteral("邮件")));
}

TEST_F(ProgramCommands, OperatingInstructionsOpenTheShippedDocument) {
    const QString path = programcommands::operatingInstructionsPath();
    ASSERT_TRUE(QFileInfo(path).isFile()) << qPrintable(path);
    QFile document(path);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_TRUE(document.readAll().contains("<html"));

    programcommands::openOperatingInstructions(nullptr);
    ASSERT_EQ(desk.opened.size(), 1);
    EXPECT_EQ(desk.opened[0], QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    EXPECT_TRUE(prompts().requests.isEmpty());

    desk.openSucceeds = false;
    programcommands::openOperatingInstructions(nullptr);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_TRUE(prompts().lastText().contains(QStringLiteral("操作说明")));
}

TEST_F(ProgramCommands, MinimisingSetsTheMainWindowMinimised) {
    QWidget mainWindow;
    mainWindow.show();
    programcommands::minimiseMainWindow(&mainWindow);
    EXPECT_TRUE(mainWindow.windowState() & Qt::WindowMinimized);
}

// The clean-up works on the user's temporary folder; here that folder is a fixture.
class CleanupCommand : public ProgramCommands {
protected:
    QTemporaryDir fixture;
    QByteArray savedTmpDir;
    void SetUp() override {
        ProgramCommands::SetUp();
        ASSERT_TRUE(fixture.isValid());
        savedTmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(fixture.path()));
        ASSERT_EQ(QDir(QDir::tempPath()).canonicalPath(), QDir(fixture.path()).canonicalPath());
        writeOldFile(QStringLiteral("stale.tmp"), 1234);
    }
    void TearDown() override {
        if (savedTmpDir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTmpDir);
        ProgramCommands::TearDown();
    }
    void writeOldFile(const QString& name, int bytes) {
        QFile f(fixture.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
        f.flush(); // a later flush would stamp the file with the present time again
        ASSERT_TRUE(
            f.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    }
};

TEST_F(CleanupCommand, CancelRemovesNothing) {
    prompts().answers = {PromptAnswer::Cancel};
    programcommands::cleanUpTemporaryFiles(nullptr);
    QTest::qWait(50);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].buttons, PromptButtons::OkCancel);
    EXPECT_TRUE(prompts().requests[0].text.contains(QDir::toNativeSeparators(QDir::tempPath())));
    EXPECT_TRUE(QFile::exists(fixture.filePath(QStringLiteral("stale.tmp"))));
}

TEST_F(CleanupCommand, ConfirmedCleanUpRemovesStaleFilesAndReportsCountAndBytes) {
    prompts().answers = {PromptAnswer::Ok};
    programcommands::cleanUpTemporaryFiles(nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().requests.size() == 2; }, 10000));
    EXPECT_FALSE(QFile::exists(fixture.filePath(QStringLiteral("stale.tmp"))));
    EXPECT_EQ(prompts().lastText(), QStringLiteral("清理完成：删除了 1 个文件，共 1234 字节。"));
}

} // namespace
