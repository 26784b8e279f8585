// Filling a template: value kinds, the order of the writes, the document they go into, the
// Drawing kind's print preview, and every way an export ends without writing.

#include "common/StringTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormBuilder.h"
#include "platform/ExcelTemplateExport.h"
#include "platform/ExcelWorkbookOpener.h"
#include "platform/Folders.h"
#include "support/RecordingPrompter.h"
#include "support/RecordingSpreadsheet.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString drawingTemplate = QStringLiteral("/mb/compression spring drawing2.xls");
const QString sheetTemplate = QStringLiteral("/mb/compression spring mode.xls");

// A window with the kinds of sources the calculators export: input fields, result boxes and
// a verdict label.
class SourceWindow : public FormBase {
public:
    SourceWindow() : FormBase(QStringLiteral("SourceWindow")) {
        ui::grid(this, {{ui::edit("Text1_0"), ui::edit("Text1_1"), ui::edit("Text1_2")},
                        {ui::result("Text7"), ui::result("Text26"), ui::literal("Label28", "OK")}});
    }
};

class TemplateExport : public ::testing::Test {
protected:
    void SetUp() override {
        app().reset();
        prompts().clear();
        StringTable::setLanguage(Language::ZhCN);
        window = std::make_unique<SourceWindow>();
    }
    void TearDown() override {
        app().reset();
        prompts().clear();
        StringTable::setLanguage(Language::ZhCN);
    }
    static RecordingSpreadsheet& app() { return RecordingSpreadsheet::instance(); }
    static RecordingPrompter& prompts() { return RecordingPrompter::instance(); }

    void type(const char* control, const QString& text) {
        window->setText(QString::fromLatin1(control), text);
    }

    TemplateCellMap map() const {
        const ControlTexts w = window->textReader();
        return {
            cells::number(w, QStringLiteral("C4"), QStringLiteral("Text1_0")),
            cells::text(w, QStringLiteral("C15"), QStringLiteral("Text7")),
            cells::number(w, QStringLiteral("D27"), QStringLiteral("Text7")),
            cells::text(w, QStringLiteral("C26"), QStringLiteral("Text26")),
            cells::number(w, QStringLiteral("C27"), QStringLiteral("Text26")),
            cells::sum(w, QStringLiteral("D17"), QStringLiteral("Text1_0"), QStringLiteral("Text1_1")),
            cells::difference(w, QStringLiteral("D18"), QStringLiteral("Text1_1"), QStringLiteral("Text1_0")),
            cells::plus(w, QStringLiteral("D22"), QStringLiteral("Text1_2"), 2),
            cells::text(w, QStringLiteral("D30"), QStringLiteral("Label28")),
            cells::constant(QStringLiteral("c17"), 2),
        };
    }

    std::unique_ptr<SourceWindow> window;
};

TEST_F(TemplateExport, ValueKindsReadTheWindowAsDisplayed) {
    type("Text1_0", QStringLiteral("1"));
    type("Text1_1", QStringLiteral("10"));
    type("Text1_2", QStringLiteral("4"));
    type("Text7", QStringLiteral("12%"));
    type("Text26", QStringLiteral("堪忧"));
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));

    const QList<std::pair<QString, CellValue>> expected = {
        {QStringLiteral("c4"), 1.0},
        {QStringLiteral("c15"), QStringLiteral("12%")},
        {QStringLiteral("d27"), 12.0},
        {QStringLiteral("c26"), QStringLiteral("堪忧")},
        {QStringLiteral("c27"), 0.0},
        {QStringLiteral("d17"), 11.0},
        {QStringLiteral("d18"), 9.0},
        {QStringLiteral("d22"), 6.0},
        {QStringLiteral("d30"), QStringLiteral("OK")},
        {QStringLiteral("c17"), 2.0},
    };
    ASSERT_EQ(app().writes.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(app().writes[i].cell, expected[i].first) << i;
        EXPECT_EQ(app().writes[i].value, expected[i].second) << qPrintable(expected[i].first);
    }
}

TEST_F(TemplateExport, EmptyBoxesGiveZeroAndEmptyText) {
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));
    const RecordingSpreadsheet::Workbook& copy = app().books.last();
    EXPECT_EQ(copy.cells.value(QStringLiteral("c4")), CellValue(0.0));
    EXPECT_EQ(copy.cells.value(QStringLiteral("c15")), CellValue(QString()));
    EXPECT_EQ(copy.cells.value(QStringLiteral("d22")), CellValue(2.0));
}

TEST_F(TemplateExport, WritesGoIntoTheCopyJustOpenedOnly) {
    RecordingSpreadsheet::Workbook& other = app().addOpen(QStringLiteral("customer.xls"));
    const QString otherId = other.id;
    app().activeId = otherId;
    type("Text1_0", QStringLiteral("3"));
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));

    ASSERT_EQ(app().books.size(), 2);
    const RecordingSpreadsheet::Workbook& copy = app().books.last();
    EXPECT_EQ(copy.templateName, QStringLiteral("compression spring mode.xls"));
    EXPECT_EQ(copy.path, ExcelWorkbookOpener::fullPathOf(sheetTemplate));
    EXPECT_TRUE(copy.visible);
    EXPECT_TRUE(app().find(otherId)->cells.isEmpty());
    for (const RecordingSpreadsheet::Write& write : app().writes)
        EXPECT_EQ(write.workbookId, copy.id);
    // The Save As kind stops after the cells.
    EXPECT_TRUE(app().callsStartingWith(QStringLiteral("printPreview")).isEmpty());
}

TEST_F(TemplateExport, DrawingKindEndsWithThePreviewOfThatCopy) {
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), drawingTemplate, map(), ExcelTemplateExport::Kind::Drawing));
    const QString copy = app().books.last().id;
    EXPECT_EQ(app().calls.last(), QStringLiteral("printPreview ") + copy);
    EXPECT_EQ(app().books.last().previews, 1);
}

TEST_F(TemplateExport, LockedCellIsSkippedAndTheRestWritten) {
    app().lockedCells = {QStringLiteral("c15")};
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));
    EXPECT_EQ(app().writes.size(), map().size() - 1);
    EXPECT_FALSE(app().books.last().cells.contains(QStringLiteral("c15")));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(TemplateExport, UnreadableSourcesAreSkipped) {
    // A number too long for a double, and a window that has gone away before the write.
    type("Text1_0", QString(400, u'9'));
    const TemplateCellMap cells = map();
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, cells, ExcelTemplateExport::Kind::SaveAs));
    EXPECT_FALSE(app().books.last().cells.contains(QStringLiteral("c4")));
    EXPECT_EQ(app().books.last().cells.value(QStringLiteral("c15")), CellValue(QString()));

    app().reset();
    window.reset();
    ASSERT_TRUE(ExcelTemplateExport::run(nullptr, sheetTemplate, cells, ExcelTemplateExport::Kind::SaveAs));
    ASSERT_EQ(app().writes.size(), 1);
    EXPECT_EQ(app().writes[0].cell, QStringLiteral("c17"));
}

TEST_F(TemplateExport, EveryEndingWithoutAFreshCopyWritesNothing) {
    struct Case {
        const char* name;
        QString path;
        std::function<void()> arrange;
        QString message;
    };
    const QString missing = QStringLiteral("/mb/tension spring drawing3.xls");
    const Case cases[] = {
        {"template missing", missing, [] {},
         folders::programFolder() + missing + QStringLiteral("文件未找到")},
        {"no spreadsheet application", drawingTemplate, [] { app().available = false; },
         StringTable::text(1378)},
        {"template already open", drawingTemplate,
         [] { app().addOpen({}, QStringLiteral("compression spring drawing2.xls")); },
         StringTable::text(1378)},
        {"template does not open", drawingTemplate, [] { app().openFails = true; },
         QStringLiteral("无法打开工作簿：") + ExcelWorkbookOpener::fullPathOf(drawingTemplate)},
    };
    for (const Case& c : cases) {
        app().reset();
        prompts().clear();
        c.arrange();
        EXPECT_FALSE(
            ExcelTemplateExport::run(window.get(), c.path, map(), ExcelTemplateExport::Kind::Drawing))
            << c.name;
        ASSERT_EQ(prompts().requests.size(), 1) << c.name;
        EXPECT_EQ(prompts().requests[0].text, c.message) << c.name;
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(1318)) << c.name;
        EXPECT_TRUE(app().writes.isEmpty()) << c.name;
        EXPECT_TRUE(app().callsStartingWith(QStringLiteral("printPreview")).isEmpty()) << c.name;
    }
}

TEST_F(TemplateExport, SecondClickWritesAgainOnceTheFirstCopyIsClosed) {
    type("Text1_0", QStringLiteral("1"));
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));
    type("Text1_0", QStringLiteral("2"));
    EXPECT_FALSE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));
    EXPECT_EQ(app().books.last().cells.value(QStringLiteral("c4")), CellValue(1.0));

    app().books.clear(); // the user closes the filled copy
    ASSERT_TRUE(
        ExcelTemplateExport::run(window.get(), sheetTemplate, map(), ExcelTemplateExport::Kind::SaveAs));
    EXPECT_EQ(app().books.last().cells.value(QStringLiteral("c4")), CellValue(2.0));
}

TEST_F(TemplateExport, DateLinesStartWithTheTextOfTheLanguage) {
    const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 0));
    const QLocale system = QLocale::system();
    EXPECT_EQ(ExcelTemplateExport::dateLine(when),
              QStringLiteral("打印日期") + system.toString(when.date(), QLocale::ShortFormat));
    EXPECT_EQ(ExcelTemplateExport::dateTimeLine(when),
              QStringLiteral("打印日期") + system.toString(when, QLocale::ShortFormat));
    StringTable::setLanguage(Language::EnUS);
    EXPECT_TRUE(ExcelTemplateExport::dateLine(when).startsWith(QStringLiteral("Print Date")));
    EXPECT_FALSE(ExcelTemplateExport::dateLine(when).startsWith(QStringLiteral("Print Date ")));

    // The cell gets the line of the moment it is written.
    const QString before = ExcelTemplateExport::dateTimeLine(QDateTime::currentDateTime());
    ASSERT_TRUE(ExcelTemplateExport::run(window.get(), sheetTemplate,
                                         {cells::dateTimeLine(QStringLiteral("D44"))},
                                         ExcelTemplateExport::Kind::SaveAs));
    const QString after = ExcelTemplateExport::dateTimeLine(QDateTime::currentDateTime());
    const QString written = std::get<QString>(app().books.last().cells.value(QStringLiteral("d44")));
    EXPECT_TRUE(written == before || written == after) << qPrintable(written);
}

} // namespace
