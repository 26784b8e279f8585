// Opening a workbook of the program folder: the missing-file, no-application, already-open
// and open-failure messages, and what the application is asked to do in each case.

#include "common/StringTable.h"
#include "platform/ExcelWorkbookOpener.h"
#include "platform/Folders.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString klqd = QStringLiteral("/klqd.xls");
const QString tensionTemplate = QStringLiteral("/mb/tension spring template.xls");

class WorkbookOpener : public ::testing::Test {
protected:
    void SetUp() override {
        app().reset();
        prompts().clear();
        StringTable::setLanguage(Language::ZhCN);
    }
    void TearDown() override {
        app().reset();
        prompts().clear();
    }
    static RecordingSpreadsheet& app() { return RecordingSpreadsheet::instance(); }
    static RecordingPrompter& prompts() { return RecordingPrompter::instance(); }

    static void expectOneInformationBox(const QString& text) {
        ASSERT_EQ(prompts().requests.size(), 1);
        const PromptRequest& box = prompts().requests[0];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, QStringLiteral("提示"));
        EXPECT_EQ(box.icon, PromptIcon::Information);
        EXPECT_EQ(box.buttons, PromptButtons::Ok);
    }
};

TEST_F(WorkbookOpener, ProgramFolderHoldsTheBuiltWorkbooks) {
    for (const char* path : {"/klqd.xls", "/mb/tension spring template.xls",
                             "/mb/compression spring mode.xls", "/mb/compression spring drawing2.xls",
                             "/mb/Torsion spring template.xls", "/mb/tension spring drawing2.xls",
                             "/mb/Tower spring drawings2.xls", "/mb/Quotation template.xls"}) {
        const QString file = ExcelWorkbookOpener::fullPathOf(QString::fromUtf8(path));
        EXPECT_TRUE(QFileInfo(file).isFile()) << qPrintable(file);
        EXPECT_GT(QFileInfo(file).size(), 4096) << qPrintable(file);
    }
}

TEST_F(WorkbookOpener, MissingFileNamesFolderAndPathAndStartsNothing) {
    for (const QString& path :
         {QStringLiteral("/no such workbook.xls"), QStringLiteral("/mb/no such template.xls")}) {
        SetUp();
        for (bool available : {true, false}) {
            prompts().clear();
            app().available = available;
            EXPECT_FALSE(ExcelWorkbookOpener::open(nullptr, path));
            expectOneInformationBox(folders::programFolder() + path + QStringLiteral("文件未找到"));
            // The file test comes first: no office is reached or started for a missing file.
            EXPECT_TRUE(app().calls.isEmpty()) << qPrintable(app().calls.join(u','));
        }
    }
}

TEST_F(WorkbookOpener, NoSpreadsheetApplicationShowsOnlyTheAlreadyOpenText) {
    app().available = false;
    EXPECT_FALSE(ExcelWorkbookOpener::open(nullptr, klqd));
    expectOneInformationBox(QStringLiteral("文件已打开！或未正确安装电子表格程序"));
    EXPECT_EQ(app().calls, QStringList{QStringLiteral("attach")});
}

TEST_F(WorkbookOpener, NothingOpenOpensAnUntitledCopyAndShowsIt) {
    const std::optional<QString> opened = ExcelWorkbookOpener::open(nullptr, klqd);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(prompts().requests.isEmpty());
    const QString file = ExcelWorkbookOpener::fullPathOf(klqd);
    EXPECT_EQ(app().calls,
              (QStringList{QStringLiteral("attach"), QStringLiteral("workbooks"),
                           QStringLiteral("openCopy ") + file, QStringLiteral("show ") + *opened}));
    ASSERT_NE(app().find(*opened), nullptr);
    EXPECT_TRUE(app().find(*opened)->visible);
}

struct AlreadyOpenCase {
    const char* name;
    QString path;
    QString openFileName;     // a workbook saved under this name is open
    QString openTemplateName; // an untitled copy of this template is open
    bool refused;
};

TEST_F(WorkbookOpener, AlreadyOpenComparesTheFileNameAfterTheLastSlash) {
    const AlreadyOpenCase cases[] = {
        {"the workbook itself, from any folder", klqd, QStringLiteral("klqd.xls"), {}, true},
        {"an untitled copy made from it", klqd, {}, QStringLiteral("klqd.xls"), true},
        {"a template by its file name, not mb/...",
         tensionTemplate,
         QStringLiteral("tension spring template.xls"),
         {},
         true},
        {"a copy of the template", tensionTemplate, {}, QStringLiteral("tension spring template.xls"), true},
        {"letter case differs", klqd, QStringLiteral("KLQD.xls"), {}, false},
        {"another template's copy",
         tensionTemplate,
         {},
         QStringLiteral("tension spring drawing2.xls"),
         false},
    };
    for (const AlreadyOpenCase& c : cases) {
        SetUp();
        app().addOpen(QStringLiteral("other.xls"));
        const QString matchingId = app().addOpen(c.openFileName, c.openTemplateName).id;
        app().addOpen(QStringLiteral("third.xls"));
        QStringList callsWhenAsked;
        prompts().onAsk = [&](const PromptRequest&) { callsWhenAsked = app().calls; };

        const std::optional<QString> opened = ExcelWorkbookOpener::open(nullptr, c.path);
        prompts().onAsk = nullptr;

        if (c.refused) {
            EXPECT_FALSE(opened) << c.name;
            expectOneInformationBox(StringTable::text(1378));
            // The workbook comes to the front maximised only after the box is closed.
            EXPECT_TRUE(callsWhenAsked.filter(QStringLiteral("activate")).isEmpty()) << c.name;
            EXPECT_EQ(app().callsStartingWith(QStringLiteral("activate")),
                      QStringList{QStringLiteral("activate ") + matchingId})
                << c.name;
            EXPECT_TRUE(app().find(matchingId)->maximised) << c.name;
            EXPECT_TRUE(app().callsStartingWith(QStringLiteral("openCopy")).isEmpty()) << c.name;
            EXPECT_TRUE(app().callsStartingWith(QStringLiteral("show")).isEmpty()) << c.name;
        } else {
            EXPECT_TRUE(opened) << c.name;
            EXPECT_TRUE(prompts().requests.isEmpty()) << c.name;
            EXPECT_EQ(app().callsStartingWith(QStringLiteral("openCopy")).size(), 1) << c.name;
        }
    }
}

TEST_F(WorkbookOpener, FirstMatchingWorkbookIsTheOneActivated) {
    const QString first = app().addOpen({}, QStringLiteral("klqd.xls")).id;
    app().addOpen(QStringLiteral("klqd.xls"));
    EXPECT_FALSE(ExcelWorkbookOpener::open(nullptr, klqd));
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("activate")),
              QStringList{QStringLiteral("activate ") + first});
}

TEST_F(WorkbookOpener, FailedOpenSaysSoAndShowsNothing) {
    app().openFails = true;
    EXPECT_FALSE(ExcelWorkbookOpener::open(nullptr, tensionTemplate));
    expectOneInformationBox(QStringLiteral("无法打开工作簿：") +
                            ExcelWorkbookOpener::fullPathOf(tensionTemplate));
    EXPECT_TRUE(app().callsStartingWith(QStringLiteral("show")).isEmpty());
}

TEST_F(WorkbookOpener, MessagesFollowTheLanguage) {
    StringTable::setLanguage(Language::EnUS);
    app().available = false;
    ExcelWorkbookOpener::open(nullptr, klqd);
    ExcelWorkbookOpener::open(nullptr, QStringLiteral("/missing.xls"));
    ASSERT_EQ(prompts().requests.size(), 2);
    EXPECT_EQ(prompts().requests[0].text,
              QStringLiteral("File is already open! or Not Install a spreadsheet application"));
    EXPECT_EQ(prompts().requests[0].title, QStringLiteral("Prompt"));
    EXPECT_TRUE(prompts().requests[1].text.endsWith(QStringLiteral("/missing.xlsFile not found")));
    StringTable::setLanguage(Language::ZhCN);
}

TEST_F(WorkbookOpener, ViewerOpensTheWorkbookOnClickOfALabelOrAButton) {
    QLabel label(QStringLiteral("1501"));
    ExcelWorkbookOpener::attachViewer(&label, klqd);
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_TRUE(app().calls.isEmpty());
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("openCopy")),
              QStringList{QStringLiteral("openCopy ") + ExcelWorkbookOpener::fullPathOf(klqd)});
    // A second click finds the copy open and brings it to the front instead.
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("openCopy")).size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1378));

    app().reset();
    QPushButton button(QStringLiteral("1407"));
    ExcelWorkbookOpener::attachViewer(&button, klqd);
    button.click();
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("openCopy")).size(), 1);
}

} // namespace
