// The quotation's print button: the cell map written into a copy of the quotation template,
// numbers as numbers and texts as texts, through the recording spreadsheet.

#include "common/StringTable.h"
#include "platform/ExcelTemplateExport.h"
#include "support/FormTest.h"
#include "support/RecordingSpreadsheet.h"

#include <QDateTime>

namespace {

using Cells = QList<std::pair<QString, CellValue>>;

class QuotationWorkbook : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        app().reset();
    }
    void TearDown() override {
        app().reset();
        FormTest::TearDown();
    }
    static RecordingSpreadsheet& app() { return RecordingSpreadsheet::instance(); }

    FormBase* calculated() {
        FormBase* f = open(QStringLiteral("Form7"));
        type(f, QStringLiteral("Text19_1"), QStringLiteral("10"));
        type(f, QStringLiteral("Text19_4"), QStringLiteral("2"));
        click(f, QStringLiteral("Command11"));
        return f;
    }

    // Exports and checks the 17 cells before the date line and the date line itself.
    void expectExport(FormBase* f, const Cells& expected) {
        const QString before = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
        click(f, QStringLiteral("Command2"));
        const QString after = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        ASSERT_EQ(app().books.size(), 1);
        EXPECT_EQ(app().books[0].templateName, QStringLiteral("Quotation template.xls"));
        ASSERT_EQ(app().writes.size(), 18);
        for (qsizetype i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(app().writes[i].cell, expected[i].first);
            EXPECT_EQ(app().writes[i].value, expected[i].second) << qPrintable(expected[i].first);
        }
        EXPECT_EQ(app().writes[17].cell, QStringLiteral("e44"));
        const QString date = std::get<QString>(app().writes[17].value);
        EXPECT_TRUE(date.startsWith(StringTable::text(1465)));
        EXPECT_TRUE(date == before || date == after) << qPrintable(date);
    }
};

TEST_F(QuotationWorkbook, WorkedExampleCellsInOrder) {
    FormBase* f = calculated();
    // A box typed after the calculation goes in as it stands, beside the older shares.
    type(f, QStringLiteral("Text19_2"), QStringLiteral("1.5abc"));
    expectExport(f, {{"c4", 40.0},
                     {"c5", 10.0},
                     {"c6", 1.5},
                     {"c7", 40.0},
                     {"c8", 2.0},
                     {"c9", 0.0},
                     {"c10", 13.0},
                     {"c15", QStringLiteral("0.0033")},
                     {"c16", QStringLiteral("0.0252")},
                     {"c17", 2.0},
                     {"c18", 5.0},
                     {"c19", QStringLiteral("0.0067")},
                     {"c20", QStringLiteral("0.0000")},
                     {"c21", 0.0},
                     {"c22", QStringLiteral("0.0067")},
                     {"c28", QStringLiteral("0.0419")},
                     {"c29", 0.047}});
}

TEST_F(QuotationWorkbook, AfterResetTheInputsAreZeroAndTheSharesStay) {
    FormBase* f = calculated();
    click(f, QStringLiteral("Command1"));
    expectExport(f, {{"c4", 0.0},
                     {"c5", 0.0},
                     {"c6", 0.0},
                     {"c7", 0.0},
                     {"c8", 0.0},
                     {"c9", 0.0},
                     {"c10", 13.0},
                     {"c15", QStringLiteral("0.0033")},
                     {"c16", QStringLiteral("0.0252")},
                     {"c17", 2.0},
                     {"c18", 5.0},
                     {"c19", QStringLiteral("0.0067")},
                     {"c20", QStringLiteral("0.0000")},
                     {"c21", 0.0},
                     {"c22", QStringLiteral("0.0067")},
                     {"c28", QStringLiteral("0.0419")},
                     {"c29", 0.0}});
}

TEST_F(QuotationWorkbook, BeforeAnyCompleteCalculationTheShareCellsAreEmpty) {
    FormBase* f = open(QStringLiteral("Form7"));
    click(f, QStringLiteral("Command11")); // stops at the material price but enables the button
    prompts().clear();
    const QString none;
    expectExport(f, {{"c4", 40.0},
                     {"c5", 0.0},
                     {"c6", 0.0},
                     {"c7", 40.0},
                     {"c8", 0.0},
                     {"c9", 0.0},
                     {"c10", 13.0},
                     {"c15", none},
                     {"c16", none},
                     {"c17", 2.0},
                     {"c18", 5.0},
                     {"c19", none},
                     {"c20", none},
                     {"c21", 0.0},
                     {"c22", none},
                     {"c28", none},
                     {"c29", 0.0}});
}

TEST_F(QuotationWorkbook, SecondClickWhileTheCopyIsOpenWritesNothing) {
    FormBase* f = calculated();
    click(f, QStringLiteral("Command2"));
    ASSERT_EQ(app().books.size(), 1);
    const auto cellsBefore = app().books[0].cells;
    const qsizetype writesBefore = app().writes.size();
    type(f, QStringLiteral("Text19_0"), QStringLiteral("80"));
    click(f, QStringLiteral("Command2"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1378));
    EXPECT_EQ(app().books.size(), 1);
    EXPECT_EQ(app().writes.size(), writesBefore);
    EXPECT_EQ(app().books[0].cells, cellsBefore);
    EXPECT_TRUE(app().books[0].maximised);
}

TEST_F(QuotationWorkbook, NoSpreadsheetApplicationWritesNothing) {
    FormBase* f = calculated();
    app().available = false;
    click(f, QStringLiteral("Command2"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1378));
    EXPECT_TRUE(app().writes.isEmpty());
}

} // namespace
