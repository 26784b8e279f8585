// The spreadsheet cell maps of the expert calculators, checked against the windows they read:
// every source control exists, every export button is the one its kind is captioned for, and
// no map writes a cell twice.

#include "calc/expert/ExpertCellMaps.h"
#include "support/FormTest.h"

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
                if (source)
                    EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(source)), nullptr)
                        << map.window << " " << cell.address << " " << source;
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

} // namespace
