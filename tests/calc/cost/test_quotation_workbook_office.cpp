// The quotation's print button against a real LibreOffice, started headless with a private
// profile: the worked example lands in the real template, a second click is refused while the
// filled copy is open, and a warm export is timed.

#include "common/StringTable.h"
#include "platform/ExcelTemplateExport.h"
#include "platform/UnoOfficeProcess.h"
#include "platform/UnoSpreadsheet.h"
#include "support/FormTest.h"
#include "support/TestOffice.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

class QuotationWorkbookOffice : public FormTest {};

TEST_F(QuotationWorkbookOffice, WorkedExampleLandsInTheTemplate) {
    ASSERT_FALSE(UnoSpreadsheet::findOffice().isEmpty()) << "LibreOffice (soffice) is not installed";
    QTemporaryDir profile;
    UnoSpreadsheet office(testOfficeOptions(profile, QStringLiteral("spirelta-quotation")));
    InstalledOffice installed(&office);

    FormBase* f = open(QStringLiteral("Form7"));
    ASSERT_NE(f, nullptr);
    type(f, QStringLiteral("Text19_1"), QStringLiteral("10"));
    type(f, QStringLiteral("Text19_4"), QStringLiteral("2"));
    click(f, QStringLiteral("Command11"));

    const QString dateBefore = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
    click(f, QStringLiteral("Command2"));
    const QString dateAfter = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
    ASSERT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const qint64 pid = office.startedProcessId();

    const QList<OpenWorkbook> open = office.workbooks();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].fileName, QString()); // an untitled copy
    EXPECT_EQ(open[0].templateName, QStringLiteral("Quotation template.xls"));
    const QString copy = open[0].id;

    const QList<std::pair<QString, double>> numbers = {{"C4", 40}, {"C5", 10}, {"C6", 0},     {"C7", 40},
                                                       {"C8", 2},  {"C9", 0},  {"C10", 13},   {"C17", 2},
                                                       {"C18", 5}, {"C21", 0}, {"C29", 0.047}};
    for (const auto& [address, value] : numbers) {
        const std::optional<UnoSpreadsheet::Cell> cell = office.readCell(copy, address);
        ASSERT_TRUE(cell) << qPrintable(address);
        EXPECT_EQ(cell->kind, UnoSpreadsheet::Cell::Number) << qPrintable(address);
        EXPECT_DOUBLE_EQ(cell->number, value) << qPrintable(address);
    }
    const QList<std::pair<QString, QString>> texts = {{"C15", "0.0033"}, {"C16", "0.0252"},
                                                      {"C19", "0.0067"}, {"C20", "0.0000"},
                                                      {"C22", "0.0067"}, {"C28", "0.0419"}};
    for (const auto& [address, value] : texts) {
        const std::optional<UnoSpreadsheet::Cell> cell = office.readCell(copy, address);
        ASSERT_TRUE(cell) << qPrintable(address);
        EXPECT_EQ(cell->kind, UnoSpreadsheet::Cell::Text) << qPrintable(address);
        EXPECT_EQ(cell->text, value) << qPrintable(address);
    }
    const auto date = office.readCell(copy, QStringLiteral("E44"));
    ASSERT_TRUE(date);
    EXPECT_EQ(date->kind, UnoSpreadsheet::Cell::Text);
    EXPECT_TRUE(date->text == dateBefore || date->text == dateAfter) << qPrintable(date->text);

    // While the filled copy is open, a second click is refused and writes nothing.
    type(f, QStringLiteral("Text19_0"), QStringLiteral("80"));
    click(f, QStringLiteral("Command2"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1378));
    EXPECT_EQ(office.workbooks().size(), 1);
    EXPECT_DOUBLE_EQ(office.readCell(copy, QStringLiteral("C4"))->number, 40);

    // A warm export, the office running and the copy closed.
    office.closeWorkbook(copy);
    prompts().clear();
    QElapsedTimer timer;
    timer.start();
    click(f, QStringLiteral("Command2"));
    const double warmMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(office.workbooks().size(), 1);
    RecordProperty("warm_export_ms", QString::number(warmMs, 'f', 1).toStdString());
    std::printf("warm quotation export: %.1f ms\n", warmMs);

    EXPECT_TRUE(office.endStartedOffice());
    EXPECT_FALSE(uno::processAlive(pid));
}

} // namespace
