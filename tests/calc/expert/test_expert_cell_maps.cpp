// The spreadsheet cell maps of the expert calculators: checked against the windows they read
// (every source control exists, every export button is captioned for its kind, no cell is
// written twice), and every export button run through the recording spreadsheet after a
// calculation, cell by cell.

#include "calc/expert/ExpertCellMaps.h"
#include "platform/ExcelTemplateExport.h"
#include "platform/ExcelWorkbookOpener.h"
#include "support/FormTest.h"
#include "support/RecordingSpreadsheet.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>

namespace {

using namespace expertcells;

class ExpertCellMaps : public FormTest {};

TEST_F(ExpertCellMaps, EverySourceControlExistsInItsWindow) {
    for (const CellMap& map : allCellMaps()) {
        FormBase* form = open(QString::fromLatin1(map.window));
        ASSERT_NE(form, nullptr) << map.window;
        for (const CellRule& cell : map.cells) {
            for (const char* source : {cell.control, cell.second}) {
                if (source) {
                    EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(source)), nullptr)
                        << map.window << " " << cell.address << " " << source;
                }
            }
            const bool needsSource = cell.kind != Kind::DateLine;
            EXPECT_EQ(cell.control != nullptr, needsSource) << map.window << " " << cell.address;
            const bool needsSecond = cell.kind == Kind::Sum || cell.kind == Kind::Difference;
            EXPECT_EQ(cell.second != nullptr, needsSecond) << map.window << " " << cell.address;
        }
    }
}

TEST_F(ExpertCellMaps, ButtonsCarryTheCaptionOfTheirKindAndStartDisabled) {
    for (const CellMap& map : allCellMaps()) {
        FormBase* form = open(QString::fromLatin1(map.window));
        ASSERT_NE(form, nullptr);
        QPushButton* button = form->button(QString::fromLatin1(map.button));
        EXPECT_EQ(button->text(), StringTable::text(map.kind == ExportKind::SaveAs ? 1406 : 1355))
            << map.window << " " << map.button;
        EXPECT_FALSE(button->isEnabled()) << map.window << " " << map.button;
        EXPECT_TRUE(QString::fromLatin1(map.templatePath).startsWith(QStringLiteral("/mb/")));
    }
}

TEST_F(ExpertCellMaps, EachCellIsWrittenOnceAndAddressedInLowerCase) {
    const QRegularExpression address(QStringLiteral("^[a-z][1-9][0-9]*$"));
    for (const CellMap& map : allCellMaps()) {
        QSet<QString> seen;
        for (const CellRule& cell : map.cells) {
            const QString name = QString::fromLatin1(cell.address);
            EXPECT_TRUE(address.match(name).hasMatch()) << map.window << " " << cell.address;
            EXPECT_FALSE(seen.contains(name)) << map.window << " " << map.button << " " << cell.address;
            seen.insert(name);
        }
    }
}

TEST_F(ExpertCellMaps, EveryExportButtonOfTheFourWindowsHasAMap) {
    const QStringList expected = {"Form21 Command6", "Form21 Command7", "Form22 Command6",
                                  "Form23 Command4", "Form23 Command7", "Form11 Command4"};
    QStringList found;
    for (const char* window : {"Form21", "Form22", "Form23", "Form11"})
        for (const CellMap& map : cellMapsOf(QString::fromLatin1(window)))
            found << QStringLiteral("%1 %2").arg(QString::fromLatin1(map.window),
                                                 QString::fromLatin1(map.button));
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(cellMapsOf(QStringLiteral("Form8")).empty());
}

using Texts = std::vector<std::pair<QString, QString>>;
using Cells = QList<std::pair<QString, CellValue>>;

// Every click of an export button, recorded instead of reaching an office.
class ExpertExports : public FormTest {
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

    FormBase* calculated(const char* window, const char* calculateButton, const Texts& inputs) {
        FormBase* form = open(QString::fromLatin1(window));
        for (const auto& [name, text] : inputs)
            type(form, name, text);
        click(form, QString::fromLatin1(calculateButton));
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        return form;
    }

    // Clicks an export button; the writes it made, the date line taken off the end when the
    // map has one.
    Cells exportWith(FormBase* form, const char* button, bool withDateLine) {
        app().reset();
        const QDateTime before = QDateTime::currentDateTime();
        click(form, QString::fromLatin1(button));
        const QDateTime after = QDateTime::currentDateTime();
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        Cells cells;
        for (const RecordingSpreadsheet::Write& write : app().writes)
            cells.append({write.cell, write.value});
        if (withDateLine && !cells.isEmpty()) {
            const auto [address, value] = cells.takeLast();
            dateLineAddress = address;
            const QString* line = std::get_if<QString>(&value);
            EXPECT_TRUE(line && (*line == ExcelTemplateExport::dateTimeLine(before) ||
                                 *line == ExcelTemplateExport::dateTimeLine(after)))
                << (line ? qPrintable(*line) : "a number");
        }
        return cells;
    }

    static std::string describe(const CellValue& value) {
        if (const double* number = std::get_if<double>(&value))
            return "number " + QString::number(*number, 'g', 17).toStdString();
        return "text \"" + std::get<QString>(value).toStdString() + "\"";
    }

    static void expectCells(const Cells& actual, const Cells& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].first, expected[i].first) << "write " << i;
            EXPECT_TRUE(actual[i].second == expected[i].second)
                << qPrintable(expected[i].first) << ": " << describe(actual[i].second) << ", expected "
                << describe(expected[i].second);
        }
    }

    // The template the last export opened, and how often it was previewed.
    static QString openedTemplate() {
        const QStringList opened = app().callsStartingWith(QStringLiteral("openCopy "));
        return opened.size() == 1 ? opened.first().mid(9) : QString();
    }
    static int previews() { return app().callsStartingWith(QStringLiteral("printPreview ")).size(); }

    QString dateLineAddress;
};

const Texts kTorsion = {{"Text1_0", "206000"}, {"Text1_1", "2.5"}, {"Text1_2", "20"}, {"Text1_3", "6"},
                        {"Text1_4", "35"},     {"Text1_5", "70"},  {"Text1_7", "25"}, {"Text1_8", "30"},
                        {"Text1_9", "20"},     {"Text1_10", "90"}, {"Text1_11", "5"}, {"Text1_12", "1700"},
                        {"Text1_13", "0.64"}};

TEST_F(ExpertExports, TorsionSheetTakesInputsAsNumbersAndResultsAsShown) {
    FormBase* form = calculated("Form22", "Command4", kTorsion);
    const Cells cells = exportWith(form, "Command6", true);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/Torsion spring template.xls")));
    EXPECT_EQ(previews(), 0);
    EXPECT_EQ(dateLineAddress, QStringLiteral("d43"));
    const QString ok = QStringLiteral("OK");
    // The empty third angle goes out as 0; the stress as the whole number it shows.
    expectCells(cells, {{"c4", 206000.0},
                        {"c5", 2.5},
                        {"c6", 20.0},
                        {"c7", 6.0},
                        {"c8", 35.0},
                        {"c9", 70.0},
                        {"c10", 0.0},
                        {"c11", 25.0},
                        {"c12", 30.0},
                        {"c13", 20.0},
                        {"c14", 90.0},
                        {"c17", QStringLiteral("14%")},
                        {"c18", QStringLiteral("3.114")},
                        {"c19", QStringLiteral("6.229")},
                        {"c21", QStringLiteral("17.44")},
                        {"c22", QStringLiteral("1.11")},
                        {"c23", QStringLiteral("441")},
                        {"c24", QStringLiteral("1.917")},
                        {"c25", QStringLiteral("1.534")},
                        {"c29", QStringLiteral("8.0")},
                        {"c30", QStringLiteral("0.65")},
                        {"d29", ok},
                        {"d30", ok},
                        {"d31", ok}});
}

TEST_F(ExpertExports, TorsionIndexVerdictBeforeAnyDecisionGoesOutAsItsDesignCaption) {
    // A missing field still enables Save As; the index label then shows text 1420.
    FormBase* form = open(QStringLiteral("Form22"));
    type(form, QStringLiteral("Text1_1"), QStringLiteral("2.5"));
    click(form, QStringLiteral("Command4"));
    ASSERT_EQ(prompts().requests.size(), 1);
    prompts().clear();
    const Cells cells = exportWith(form, "Command6", true);
    ASSERT_FALSE(cells.isEmpty());
    EXPECT_EQ(cells[21], (std::pair<QString, CellValue>{"d29", StringTable::text(1420)}));
    EXPECT_EQ(cells[11], (std::pair<QString, CellValue>{"c17", QString()}));
}

const Texts kExtension = {{"Text1_0", "8000"}, {"Text1_1", "2"},  {"Text1_2", "20"}, {"Text1_3", "10"},
                          {"Text1_4", "50"},   {"Text1_5", "60"}, {"Text1_6", "70"}, {"Text1_7", "80"},
                          {"Text1_8", "1600"}, {"Text1_9", "0.3"}};

TEST_F(ExpertExports, ExtensionSheetTakesResultsAsNumbersAndVerdictsAsShown) {
    FormBase* form = calculated("Form23", "Command6", kExtension);
    const Cells cells = exportWith(form, "Command4", true);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/tension spring template.xls")));
    EXPECT_EQ(previews(), 0);
    EXPECT_EQ(dateLineAddress, QStringLiteral("d43"));
    expectCells(cells, {{"c4", 8000.0},
                        {"c5", 2.0},
                        {"c6", 20.0},
                        {"c7", 10.0},
                        {"c8", 50.0},
                        {"c9", 60.0},
                        {"c10", 70.0},
                        {"c11", 80.0},
                        {"c12", 1600.0},
                        {"c13", 0.3},
                        {"c17", 12.315},
                        {"c18", 3256.64},
                        {"c19", 5256.64},
                        {"c20", 7256.64},
                        {"c21", 1.96},
                        {"d18", 4261.952},
                        {"d19", 6261.952},
                        {"d20", 8261.952},
                        {"c29", 10.0},
                        {"c30", 1.013},
                        {"c32", 1.1448},
                        {"c33", 0.9},
                        {"d29", QStringLiteral("OK")},
                        {"d30", QStringLiteral("NG")},
                        {"d31", QStringLiteral("NG")}});
}

TEST_F(ExpertExports, ExtensionDrawingAlternatesLengthsWithTheirHighestLoads) {
    FormBase* form = calculated("Form23", "Command6", kExtension);
    const Cells cells = exportWith(form, "Command7", false);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/tension spring drawing2.xls")));
    EXPECT_EQ(previews(), 1);
    const Cells expected = {{"c15", 8000.0},   {"d16", 2.0},  {"d17", 22.0},     {"d18", 18.0},
                            {"d19", 20.0},     {"d20", 50.0}, {"d21", 10.0},     {"d24", 1.96},
                            {"d25", 12.315},   {"d26", 60.0}, {"d27", 4261.952}, {"d28", 70.0},
                            {"d29", 6261.952}, {"d30", 80.0}, {"d31", 8261.952}};
    expectCells(cells, expected);

    // Without L3 the drawing gets 0 for it, and the highest load the box still shows.
    type(form, QStringLiteral("Text1_7"), QString());
    click(form, QStringLiteral("Command6"));
    const Cells again = exportWith(form, "Command7", false);
    ASSERT_EQ(again.size(), expected.size());
    EXPECT_EQ(again[13], (std::pair<QString, CellValue>{"d30", 0.0}));
    EXPECT_EQ(again[14], (std::pair<QString, CellValue>{"d31", 8261.952}));
}

const Texts kConical = {{"Text10_0", "7000"}, {"Text10_1", "3"},  {"Text10_2", "20"}, {"Text10_3", "30"},
                        {"Text10_4", "6"},    {"Text10_5", "45"}, {"Text10_6", "35"}, {"Text10_7", "25"}};

TEST_F(ExpertExports, ConicalDrawingAndASecondHeightTooSmall) {
    FormBase* form = calculated("Form11", "Command1", kConical);
    const Cells cells = exportWith(form, "Command4", false);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/Tower spring drawings2.xls")));
    EXPECT_EQ(previews(), 1);
    const Cells expected = {{"c15", 7000.0}, {"d16", 3.0},  {"d17", 20.0},  {"d18", 30.0}, {"d19", 45.0},
                            {"d20", 6.0},    {"d21", 8.0},  {"d24", 6.0},   {"d25", 1.16}, {"d26", 35.0},
                            {"d27", 103.38}, {"d28", 25.0}, {"d29", 206.76}};
    expectCells(cells, expected);

    // The box then says h2 is too small; the number cell reads that text as 0.
    type(form, QStringLiteral("Text10_7"), QStringLiteral("20"));
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(form->text(QStringLiteral("Text17")), StringTable::text(2263));
    const Cells again = exportWith(form, "Command4", false);
    ASSERT_EQ(again.size(), expected.size());
    EXPECT_EQ(again.last(), (std::pair<QString, CellValue>{"d29", 0.0}));
}

TEST_F(ExpertExports, CompressionSheetWritesResultsAndVerdictsAsShown) {
    FormBase* form = calculated("Form21", "Command1", {});
    // Distinct captions, so that a verdict cell fed from the wrong label shows.
    for (const char* verdict : {"Label28", "Label40", "Label44", "Label46", "Label48", "Label50", "Label80"})
        form->setText(QString::fromLatin1(verdict), QString::fromLatin1(verdict) + QStringLiteral(" OK"));
    const Cells cells = exportWith(form, "Command6", true);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/compression spring mode.xls")));
    EXPECT_EQ(previews(), 0);
    EXPECT_EQ(dateLineAddress, QStringLiteral("d44"));
    auto shown = [](const char* text) { return CellValue(QString::fromUtf8(text)); };
    expectCells(cells, {{"c4", 78000.0},
                        {"c5", 1.0},
                        {"c6", 10.0},
                        {"c7", 4.0},
                        {"c8", 6.0},
                        {"c9", 16.0},
                        {"c11", 14.0},
                        {"c12", 12.0},
                        {"c15", shown("10%")},
                        {"c16", shown("142.19")},
                        {"c17", shown("5%")},
                        {"c18", shown("426.58")},
                        {"c20", shown("188.5")},
                        {"c21", shown("5.5")},
                        {"c22", shown("10.5")},
                        {"c23", shown("2.44")},
                        {"c24", shown("25.59")},
                        {"c25", shown("14.63")},
                        {"c26", shown("1000")},
                        {"c27", shown("1.60")},
                        {"c30", shown("10.0")},
                        {"c31", shown("1.6")},
                        {"c32", shown("4")},
                        {"c33", shown("3.6")},
                        {"c34", shown("0.57")},
                        {"c35", shown("Label48 OK")},
                        {"c36", shown("Label80 OK")},
                        {"d30", shown("Label28 OK")},
                        {"d31", shown("Label40 OK")},
                        {"d32", shown("Label44 OK")},
                        {"d33", shown("Label46 OK")},
                        {"d34", shown("Label50 OK")}});
}

TEST_F(ExpertExports, CompressionDrawingCountsActiveCoilsPlusTwoAndReadsPercentagesAsNumbers) {
    FormBase* form = calculated("Form21", "Command1", {{"Text1_4", "7"}});
    const Cells cells = exportWith(form, "Command7", false);
    EXPECT_EQ(openedTemplate(),
              ExcelWorkbookOpener::fullPathOf(QStringLiteral("/mb/compression spring drawing2.xls")));
    EXPECT_EQ(previews(), 1);
    expectCells(cells, {{"c15", 78000.0},
                        {"d16", 1.0},
                        {"d17", 11.0},
                        {"d18", 9.0},
                        {"d19", 10.0},
                        {"d20", 16.0},
                        {"d21", 4.0},
                        {"d22", 6.0},
                        {"d25", 2.44},
                        {"d26", 14.0},
                        {"d27", 10.0},
                        {"d28", 12.0},
                        {"d29", 5.0},
                        {"d30", 10.0},
                        {"d31", 3.0}});
}

} // namespace
