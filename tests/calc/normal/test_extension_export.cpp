// The extension calculator's Save As export: the 17 cells as the window shows them, the
// date line, the refusal while the filled copy is still open, and the tensile-strength viewer.

#include "calc/normal/ExtensionSpreadsheetExport.h"
#include "common/StringTable.h"
#include "platform/ExcelWorkbookOpener.h"
#include "support/FormTest.h"
#include "support/RecordingSpreadsheet.h"

#include <QDateTime>
#include <QLabel>

namespace {

using Texts = QList<std::pair<QString, QString>>;
using Cells = QList<std::pair<QString, CellValue>>;

class ExtensionExport : public FormTest {
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

    // The extension calculator after calculating spring steel, d 2, D 20, n 10, H0 50, h1 60,
    // h2 70, h3 empty.
    FormBase* calculated() {
        FormBase* f = open(QStringLiteral("Form10"));
        type(f, QStringLiteral("Combo1"), StringTable::text(1384));
        const Texts inputs = {{"Text1_0", "2"},  {"Text1_1", "20"}, {"Text1_2", "10"},
                              {"Text1_3", "50"}, {"Text1_4", "60"}, {"Text1_5", "70"}};
        for (const auto& [name, text] : inputs)
            type(f, name, text);
        click(f, QStringLiteral("Command6"));
        return f;
    }
};

TEST_F(ExtensionExport, WritesTheSeventeenCellsInOrder) {
    const Cells inputs = {{"c4", 2.0},  {"c5", 20.0}, {"c6", 10.0}, {"c7", 50.0},
                          {"c8", 60.0}, {"c9", 70.0}, {"c10", 0.0}, {"c11", QStringLiteral("弹簧钢 SUP")}};
    const Cells inputsAfterReset = {
        {"c4", 0.0}, {"c5", 0.0}, {"c6", 0.0},  {"c7", 0.0},
        {"c8", 0.0}, {"c9", 0.0}, {"c10", 0.0}, {"c11", QStringLiteral("弹簧钢 SUP")}};
    struct Case {
        const char* name;
        const char* buttonAfterCalculation; // the unit switch or the reset, or none
        Cells expected;                     // the 16 cells before the date line
    };
    const Case cases[] = {
        {"worked example in gf", nullptr,
         inputs + Cells{{"c17", 12.3},
                        {"c18", 3256.6},
                        {"c19", 5256.6},
                        {"c20", 0.0},
                        {"c21", 1.96},
                        {"d18", 4262.0},
                        {"d19", 6262.0},
                        {"d20", 0.0}}},
        {"loads switched to N", "Command9",
         inputs + Cells{{"c17", 12.3},
                        {"c18", 31.91},
                        {"c19", 51.51},
                        {"c20", 0.0},
                        {"c21", 1.96},
                        {"d18", 41.77},
                        {"d19", 61.37},
                        {"d20", 0.0}}},
        {"after the reset", "Command11",
         inputsAfterReset + Cells{{"c17", 0.0},
                                  {"c18", 0.0},
                                  {"c19", 0.0},
                                  {"c20", 0.0},
                                  {"c21", 0.0},
                                  {"d18", 0.0},
                                  {"d19", 0.0},
                                  {"d20", 0.0}}},
    };
    for (const Case& c : cases) {
        app().reset();
        FormBase* f = calculated();
        if (c.buttonAfterCalculation)
            click(f, QString::fromLatin1(c.buttonAfterCalculation));
        const QString before = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
        click(f, QStringLiteral("Command4"));
        const QString after = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());

        EXPECT_TRUE(prompts().requests.isEmpty()) << c.name;
        ASSERT_EQ(app().books.size(), 1) << c.name;
        EXPECT_EQ(app().books[0].templateName, QStringLiteral("tension spring template.xls")) << c.name;
        ASSERT_EQ(app().writes.size(), 17) << c.name;
        for (qsizetype i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(app().writes[i].cell, c.expected[i].first) << c.name;
            // A number cell gets a number, not its text: the variant's kind is compared too.
            EXPECT_EQ(app().writes[i].value, c.expected[i].second)
                << c.name << " " << qPrintable(c.expected[i].first);
        }
        EXPECT_EQ(app().writes[16].cell, QStringLiteral("d43")) << c.name;
        const QString dateLine = std::get<QString>(app().writes[16].value);
        EXPECT_TRUE(dateLine.startsWith(QStringLiteral("打印日期"))) << c.name;
        EXPECT_TRUE(dateLine == before || dateLine == after) << qPrintable(dateLine);
        f->close();
        flush();
    }
}

TEST_F(ExtensionExport, SecondPressWhileTheCopyIsOpenChangesNothing) {
    FormBase* f = calculated();
    click(f, QStringLiteral("Command4"));
    ASSERT_EQ(app().books.size(), 1);
    const QString copy = app().books[0].id;
    const auto cellsBefore = app().books[0].cells;

    type(f, QStringLiteral("Text1_0"), QStringLiteral("3"));
    click(f, QStringLiteral("Command4"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1378));
    EXPECT_EQ(app().books.size(), 1);
    EXPECT_EQ(app().books[0].cells, cellsBefore);
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("activate")),
              QStringList{QStringLiteral("activate ") + copy});
    EXPECT_TRUE(app().books[0].maximised);
}

TEST_F(ExtensionExport, MissingApplicationOrTemplateWritesNothing) {
    FormBase* f = calculated();
    app().available = false;
    click(f, QStringLiteral("Command4"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1378));
    EXPECT_TRUE(app().writes.isEmpty());
    EXPECT_TRUE(app().books.isEmpty());
}

TEST_F(ExtensionExport, Label5OpensTheTensileStrengthWorkbook) {
    FormBase* f = open(QStringLiteral("Form10"));
    QTest::mouseClick(f->label(QStringLiteral("Label5")), Qt::LeftButton);
    EXPECT_EQ(app().callsStartingWith(QStringLiteral("openCopy")),
              QStringList{QStringLiteral("openCopy ") +
                          ExcelWorkbookOpener::fullPathOf(QStringLiteral("/klqd.xls"))});
    ASSERT_EQ(app().books.size(), 1);
    EXPECT_TRUE(app().books[0].visible);
    EXPECT_TRUE(app().writes.isEmpty());
}

} // namespace
