// The spreadsheet layer against a real LibreOffice, started headless with a private profile
// on a pipe of its own, and ended by the test.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "platform/ExcelTemplateExport.h"
#include "platform/ExcelWorkbookOpener.h"
#include "platform/UnoOfficeProcess.h"
#include "platform/UnoSpreadsheet.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

OfficeOptions testOffice(const QTemporaryDir& profile) {
    OfficeOptions options;
    options.headless = true;
    options.pipeName = QStringLiteral("spirelta-test-%1").arg(QCoreApplication::applicationPid());
    options.profileUrl = QUrl::fromLocalFile(profile.path()).toString();
    // A first start on a fresh profile is slow on a small machine.
    options.startTimeoutMs = 120000;
    return options;
}

class TextWindow : public FormBase {
public:
    TextWindow() : FormBase(QStringLiteral("TextWindow")) {
        ui::grid(this,
                 {{ui::edit("Text1_0", "2.5"), ui::edit("Text1_1", "=1+1"), ui::edit("Text1_2", "12")}});
    }
};

// Puts the real office in place of the recorder for one test, and ends the office it started
// however the test ends.
struct InstalledOffice {
    explicit InstalledOffice(UnoSpreadsheet* office) : office(office) { spreadsheet::install(office); }
    ~InstalledOffice() {
        office->endStartedOffice();
        spreadsheet::install(&RecordingSpreadsheet::instance());
    }
    UnoSpreadsheet* office;
};

TEST(SpreadsheetOffice, CopiesAreUntitledAndEachExportWritesOnlyIntoItsOwnCopy) {
    ASSERT_FALSE(UnoSpreadsheet::findOffice().isEmpty()) << "LibreOffice (soffice) is not installed";
    StringTable::setLanguage(Language::ZhCN);
    RecordingPrompter::instance().clear();
    QTemporaryDir profile;
    UnoSpreadsheet office(testOffice(profile));
    InstalledOffice installed(&office);

    // The viewer's workbook: an untitled copy that knows the file it came from.
    const std::optional<QString> strengths = ExcelWorkbookOpener::open(nullptr, QStringLiteral("/klqd.xls"));
    ASSERT_TRUE(strengths);
    const qint64 pid = office.startedProcessId();
    EXPECT_GT(pid, 0);
    QList<OpenWorkbook> open = office.workbooks();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].fileName, QString());
    EXPECT_EQ(open[0].templateName, QStringLiteral("klqd.xls"));
    const std::optional<UnoSpreadsheet::Cell> musicWireAt02 =
        office.readCell(*strengths, QStringLiteral("B8"));
    ASSERT_TRUE(musicWireAt02);
    EXPECT_EQ(musicWireAt02->number, 2792);

    TextWindow window;
    const ControlTexts shown = window.textReader();
    const TemplateCellMap cells = {
        cells::number(shown, QStringLiteral("c4"), QStringLiteral("Text1_0")),
        cells::text(shown, QStringLiteral("c11"), QStringLiteral("Text1_1")),
        cells::text(shown, QStringLiteral("C5"), QStringLiteral("Text1_2")),
    };
    const QString tension = QStringLiteral("/mb/tension spring template.xls");
    ASSERT_TRUE(ExcelTemplateExport::run(&window, tension, cells, ExcelTemplateExport::Kind::SaveAs));
    EXPECT_TRUE(RecordingPrompter::instance().requests.isEmpty());
    open = office.workbooks();
    ASSERT_EQ(open.size(), 2);
    QString copy;
    for (const OpenWorkbook& book : open)
        if (book.templateName == QStringLiteral("tension spring template.xls"))
            copy = book.id;
    ASSERT_FALSE(copy.isEmpty());

    const auto c4 = office.readCell(copy, QStringLiteral("C4"));
    const auto c11 = office.readCell(copy, QStringLiteral("C11"));
    const auto c5 = office.readCell(copy, QStringLiteral("C5"));
    const auto a4 = office.readCell(copy, QStringLiteral("A4"));
    ASSERT_TRUE(c4 && c11 && c5 && a4);
    EXPECT_EQ(c4->kind, UnoSpreadsheet::Cell::Number);
    EXPECT_EQ(c4->number, 2.5);
    // Texts stay texts: no formula, no number.
    EXPECT_EQ(c11->kind, UnoSpreadsheet::Cell::Text);
    EXPECT_EQ(c11->text, QStringLiteral("=1+1"));
    EXPECT_EQ(c5->kind, UnoSpreadsheet::Cell::Text);
    EXPECT_EQ(c5->text, QStringLiteral("12"));
    EXPECT_EQ(a4->kind, UnoSpreadsheet::Cell::Text);
    // The other open workbook kept its own cells.
    EXPECT_EQ(office.readCell(*strengths, QStringLiteral("C4"))->kind, UnoSpreadsheet::Cell::Empty);
    EXPECT_EQ(office.readCell(*strengths, QStringLiteral("C11"))->kind, UnoSpreadsheet::Cell::Empty);

    // A second export of the same template is refused while the first copy is open.
    EXPECT_FALSE(ExcelTemplateExport::run(&window, tension, cells, ExcelTemplateExport::Kind::SaveAs));
    EXPECT_EQ(RecordingPrompter::instance().lastText(), StringTable::text(1378));
    EXPECT_EQ(office.workbooks().size(), 2);

    // A damaged workbook fails to open rather than coming up as imported text.
    QTemporaryDir files;
    QFile damaged(files.filePath(QStringLiteral("damaged.xls")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x01\x02 not a workbook \xff");
    damaged.close();
    EXPECT_TRUE(office.openCopy(damaged.fileName()).isEmpty());
    EXPECT_EQ(office.workbooks().size(), 2);

    EXPECT_TRUE(office.endStartedOffice());
    EXPECT_FALSE(uno::processAlive(pid));
    RecordingPrompter::instance().clear();
}

TEST(SpreadsheetOffice, NoOfficeToStartMeansNoApplication) {
    QTemporaryDir profile;
    OfficeOptions options = testOffice(profile);
    options.program = QStringLiteral("/nonexistent/soffice");
    options.pipeName += QStringLiteral("-none");
    UnoSpreadsheet office(options);
    EXPECT_FALSE(office.attach());
    EXPECT_EQ(office.startedProcessId(), 0);
    EXPECT_TRUE(office.workbooks().isEmpty());
    EXPECT_TRUE(office.openCopy(QStringLiteral("/tmp/x.xls")).isEmpty());
}

TEST(SpreadsheetOffice, AnOfficeWithoutDisplayPluginCannotShowWorkbooks) {
    QTemporaryDir folder;
    const QString soffice = folder.filePath(QStringLiteral("soffice"));
    QFile(soffice).open(QIODevice::WriteOnly);
    EXPECT_FALSE(uno::officeCanShowWindows(soffice));
    QFile(folder.filePath(QStringLiteral("libvclplug_gtk3lo.so"))).open(QIODevice::WriteOnly);
    EXPECT_TRUE(uno::officeCanShowWindows(soffice));
}

} // namespace
