// The conical calculator's drawing export into a real LibreOffice, started headless with a
// private profile on a pipe of its own and ended by the test: the worked example is
// calculated in the window, exported, and a few cells are read back from the filled copy.

#include "platform/UnoOfficeProcess.h"
#include "platform/UnoSpreadsheet.h"
#include "support/FormTest.h"
#include "support/TestOffice.h"

#include <QTemporaryDir>

namespace {

class ExpertExportOffice : public FormTest {};

TEST_F(ExpertExportOffice, ConicalWorkedExampleLandsInTheDrawingTemplate) {
    ASSERT_FALSE(UnoSpreadsheet::findOffice().isEmpty()) << "LibreOffice (soffice) is not installed";
    QTemporaryDir profile;
    UnoSpreadsheet office(testOfficeOptions(profile, QStringLiteral("spirelta-expert-test")));
    InstalledOffice installed(&office);

    FormBase* form = open(QStringLiteral("Form11"));
    ASSERT_NE(form, nullptr);
    const QList<std::pair<QString, QString>> inputs = {
        {"Text10_1", "3"},  {"Text10_2", "20"}, {"Text10_3", "30"}, {"Text10_4", "6"},
        {"Text10_5", "45"}, {"Text10_6", "35"}, {"Text10_7", "25"}};
    for (const auto& [name, text] : inputs)
        type(form, name, text);
    click(form, QStringLiteral("Command1"));
    ASSERT_TRUE(form->button(QStringLiteral("Command4"))->isEnabled());

    click(form, QStringLiteral("Command4"));
    ASSERT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const qint64 pid = office.startedProcessId();
    EXPECT_GT(pid, 0);

    const QList<OpenWorkbook> open = office.workbooks();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].fileName, QString()); // an untitled copy: a Save never hits the template
    EXPECT_EQ(open[0].templateName, QStringLiteral("Tower spring drawings2.xls"));
    const QString copy = open[0].id;

    const QList<std::pair<QString, double>> numbers = {
        {"C15", 7000}, {"D16", 3}, {"D17", 20}, {"D21", 8}, {"D24", 6}, {"D27", 103.38}, {"D29", 206.76}};
    for (const auto& [address, value] : numbers) {
        const std::optional<UnoSpreadsheet::Cell> cell = office.readCell(copy, address);
        ASSERT_TRUE(cell) << qPrintable(address);
        EXPECT_EQ(cell->kind, UnoSpreadsheet::Cell::Number) << qPrintable(address);
        EXPECT_DOUBLE_EQ(cell->number, value) << qPrintable(address);
    }
    // Every filled cell of the drawing is named on its row.
    for (const char* label : {"B15", "C16", "C21", "C27", "C29"}) {
        const auto caption = office.readCell(copy, QString::fromLatin1(label));
        ASSERT_TRUE(caption) << label;
        EXPECT_FALSE(caption->text.isEmpty()) << label;
    }

    EXPECT_TRUE(office.endStartedOffice());
    EXPECT_FALSE(uno::processAlive(pid));
}

} // namespace
