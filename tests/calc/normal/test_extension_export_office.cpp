// The extension calculator's export into a real LibreOffice, started headless with a private
// profile on a pipe of its own and ended by the test: the worked example is calculated in the
// window, exported, and read back from the filled copy.

#include "common/StringTable.h"
#include "platform/ExcelTemplateExport.h"
#include "platform/UnoOfficeProcess.h"
#include "platform/UnoSpreadsheet.h"
#include "support/FormTest.h"
#include "support/TestOffice.h"

#include <QDateTime>
#include <QTemporaryDir>

namespace {

class ExtensionExportOffice : public FormTest {};

TEST_F(ExtensionExportOffice, WorkedExampleLandsInTheTemplateAndASecondExportIsRefused) {
    ASSERT_FALSE(UnoSpreadsheet::findOffice().isEmpty()) << "LibreOffice (soffice) is not installed";
    QTemporaryDir profile;
    UnoSpreadsheet office(testOfficeOptions(profile, QStringLiteral("spirelta-test")));
    InstalledOffice installed(&office);

    FormBase* f = open(QStringLiteral("Form10"));
    ASSERT_NE(f, nullptr);
    type(f, QStringLiteral("Combo1"), StringTable::text(1384));
    const QList<std::pair<QString, QString>> inputs = {{"Text1_0", "2"},  {"Text1_1", "20"},
                                                       {"Text1_2", "10"}, {"Text1_3", "50"},
                                                       {"Text1_4", "60"}, {"Text1_5", "70"}};
    for (const auto& [name, text] : inputs)
        type(f, name, text);
    click(f, QStringLiteral("Command6"));
    ASSERT_TRUE(f->button(QStringLiteral("Command4"))->isEnabled());

    const QString dateBefore = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
    click(f, QStringLiteral("Command4"));
    const QString dateAfter = ExcelTemplateExport::dateLine(QDateTime::currentDateTime());
    ASSERT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const qint64 pid = office.startedProcessId();
    EXPECT_GT(pid, 0);

    const QList<OpenWorkbook> open = office.workbooks();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].fileName, QString()); // an untitled copy: a Save never hits the template
    EXPECT_EQ(open[0].templateName, QStringLiteral("tension spring template.xls"));
    const QString copy = open[0].id;

    const QList<std::pair<QString, double>> numbers = {
        {"C4", 2},  {"C5", 20},    {"C6", 10},    {"C7", 50},      {"C8", 60},
        {"C9", 70}, {"C10", 0},    {"C17", 12.3}, {"C18", 3256.6}, {"C19", 5256.6},
        {"C20", 0}, {"C21", 1.96}, {"D18", 4262}, {"D19", 6262},   {"D20", 0}};
    for (const auto& [address, value] : numbers) {
        const std::optional<UnoSpreadsheet::Cell> cell = office.readCell(copy, address);
        ASSERT_TRUE(cell) << qPrintable(address);
        EXPECT_EQ(cell->kind, UnoSpreadsheet::Cell::Number) << qPrintable(address);
        EXPECT_DOUBLE_EQ(cell->number, value) << qPrintable(address);
        // Every filled cell is named in its row on the page.
        EXPECT_FALSE(office.readCell(copy, QStringLiteral("A") + address.mid(1))->text.isEmpty())
            << qPrintable(address);
    }
    const auto material = office.readCell(copy, QStringLiteral("C11"));
    ASSERT_TRUE(material);
    EXPECT_EQ(material->kind, UnoSpreadsheet::Cell::Text);
    EXPECT_EQ(material->text, QStringLiteral("弹簧钢 SUP"));
    const auto date = office.readCell(copy, QStringLiteral("D43"));
    ASSERT_TRUE(date);
    EXPECT_EQ(date->kind, UnoSpreadsheet::Cell::Text);
    EXPECT_TRUE(date->text == dateBefore || date->text == dateAfter) << qPrintable(date->text);
    EXPECT_FALSE(office.readCell(copy, QStringLiteral("C43"))->text.isEmpty());

    // While the filled copy is open, a second export is refused and changes nothing.
    type(f, QStringLiteral("Text1_0"), QStringLiteral("3"));
    click(f, QStringLiteral("Command4"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1378));
    EXPECT_EQ(office.workbooks().size(), 1);
    EXPECT_DOUBLE_EQ(office.readCell(copy, QStringLiteral("C4"))->number, 2);

    EXPECT_TRUE(office.endStartedOffice());
    EXPECT_FALSE(uno::processAlive(pid));
}

} // namespace
