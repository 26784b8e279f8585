#include "calc/expert/Form23.h"

#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"
#include "platform/WindowCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMm = QStringLiteral("mm");
const QString kGf = QStringLiteral("gf");
const QString kStress = QStringLiteral("Mpa");
const QString kVerdict = QStringLiteral("(OK/NG)");

using namespace expertui;

} // namespace

Form23::Form23() : FormBase(QStringLiteral("Form23")) {
    setWindowTitle(StringTable::text(1566));

    auto* inputs = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    auto* checks = ui::makeFrame(this, QStringLiteral("Frame3"), 1426);
    buildInputs(inputs);
    buildResults(results);
    buildChecks(checks);

    auto* page = new QVBoxLayout(this);
    page->addWidget(inputs);
    auto* lower = new QHBoxLayout;
    lower->addWidget(results, 0, Qt::AlignTop);
    lower->addWidget(checks, 0, Qt::AlignTop);
    page->addLayout(lower);
    QLabel* note = ui::makeLabel(this, QStringLiteral("Label36"), 2449);
    note->setWordWrap(true);
    page->addWidget(note);

    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setMinimumWidth(ui::twips(box->isReadOnly() ? 1000 : 1575));
    field(QStringLiteral("Text1_9"))->setMinimumWidth(ui::twips(975));

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    setDefaultButton(button(QStringLiteral("Command6")));

    ui::onLabelClick(label(QStringLiteral("Label47")), [] { FormRegistry::show(QStringLiteral("Form142")); });
    ui::onLabelClick(label(QStringLiteral("Label5")), [] { FormRegistry::show(QStringLiteral("Form141")); });

    onClick(QStringLiteral("Command6"), [this] { calculate(); });
    onClick(QStringLiteral("Command11"), [this] { reset(); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command5"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form10")); });
    expertcells::connectExports(this);
    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command4"), QStringLiteral("Command7")}, false);
}

void Form23::buildInputs(QGroupBox* frame) {
    QVBoxLayout* side = inputsBesideSketch(
        frame,
        {
            inputRow("Label9", 1567, 0, unit("Label32", QStringLiteral("kg/mm2")), ui::gap(),
                     QStringLiteral("8000")),
            inputRow("Label15", 1333, 1, unit("Label14", kMm), mark(1, true)),
            inputRow("Label13", 1332, 2, unit("Label12", kMm), mark(2, true)),
            inputRow("Label16", 1373, 3, unit("Label11", QStringLiteral("T")), mark(3, true)),
            inputRow("Label40", 1369, 4, unit("Label2", kMm), mark(4, true)),
            inputRow("Label1", 1507, 5, unit("Label23_0", kMm), mark(7, true)),
            inputRow("Label37", 1508, 6, unit("Label35", kMm), mark(5, true)),
            inputRow("Label25", 1509, 7, unit("Label24", kMm), mark(6, false)),
            inputRow("Label31", 1412, 8, link("Label47", 1411), ui::gap()),
            inputRow("Label55", 1440, 9, link("Label5", 1410), ui::gap(), QStringLiteral("0.3")),
        },
        QStringLiteral(":/pictures/expert/form23-sketch.svg"), 3720);
    field(QStringLiteral("Text1_0"))->setToolTip(StringTable::text(2277));
    side->addWidget(buildButtons(frame));
}

QWidget* Form23::buildButtons(QWidget* parent) {
    auto* bar = new QWidget(parent);
    ui::grid(bar,
             {
                 {ui::button(QStringLiteral("Command6"), 1357), ui::button(QStringLiteral("Command11"), 1321),
                  ui::button(QStringLiteral("Command1"), 1358)},
                 {ui::button(QStringLiteral("Command5"), 1359), ui::button(QStringLiteral("Command4"), 1406),
                  ui::button(QStringLiteral("Command7"), 1355)},
                 {ui::button(QStringLiteral("Command3"), 1405, 3)},
             });
    button(QStringLiteral("Command6"))->setToolTip(QStringLiteral("可以直接按回车键"));
    return bar;
}

void Form23::buildResults(QGroupBox* frame) {
    QGridLayout* grid = ui::grid(
        frame, {
                   {caption("Label45", 1503), box("Text21"), unit("Label53", QStringLiteral("g/mm   ="), 2),
                    box("Text10"), unit("Label34", QStringLiteral("N/mm"))},
                   {caption("Label43", 1569), box("Text19"), unit("Label51", kGf), unit("Label33", "="),
                    box("Text9"), unit("Label10", QStringLiteral("N"))},
                   {caption("Label44", 2147), box("Text20"), unit("Label52", kGf), caption("Label18", 1501),
                    box("Text6"), unit("Label17", kGf)},
                   {caption("Label3", 2148), box("Text2"), unit("Label19", kGf), caption("Label38", 1501),
                    box("Text7"), unit("Label4", kGf)},
                   {caption("Label46", 2274), box("Text11"), unit("Label39", kGf), caption("Label26", 1501),
                    box("Text8"), unit("Label41", kGf)},
                   {caption("Label30", 1419), box("Text3"), unit("Label29", QStringLiteral("?")),
                    caption("Label6", 1418), box("Text4")},
                   {caption("Label48", 1438), box("Text13")},
                   {caption("Label62", 1416), box("Text26"), caption("Label63", 1415, 3)},
                   {caption("Label20", 1502, 6)},
               });
    // The first band row has a second copy of its "max" caption lying exactly under the first;
    // drawn twice it would look bold, so only one is shown.
    QLabel* hiddenCopy = ui::makeLabel(frame, QStringLiteral("Label22"), 1501);
    grid->addWidget(hiddenCopy, 2, 3);
    hiddenCopy->hide();
    label(QStringLiteral("Label20"))->setWordWrap(true);
    field(QStringLiteral("Text3"))->setToolTip(QStringLiteral("4~10最好"));
}

void Form23::buildChecks(QGroupBox* frame) {
    ui::grid(frame, {
                        {heading("Label21", 1553)},
                        {caption("Label54", 1436), box("Text14"), unit("Label49", kStress)},
                        {caption("Label57", 1437), box("Text15"), unit("Label56", kStress)},
                        {caption("Label66", 1993), box("Text18"), unit("Label65", kStress)},
                        {caption("Label7", 2127), box("Text5"), unit("Label27", kVerdict)},
                        {heading("Label8", 1560)},
                        {caption("Label60", 1429), box("Text16"), unit("Label61", QStringLiteral("N"))},
                        {caption("Label58", 1559), box("Text17"), unit("Label59", kMm)},
                        {caption("Label28", 1570), box("Text25"), unit("Label50", kVerdict)},
                    });
    field(QStringLiteral("Text5"))->setToolTip(QStringLiteral("大于1 ok"));
    field(QStringLiteral("Text25"))->setToolTip(QStringLiteral("建议0.2~0.8*Lmax"));
}

void Form23::reset() {
    QStringList names;
    for (int i = 0; i <= 8; ++i)
        names << QStringLiteral("Text1_%1").arg(i);
    for (int box : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 25})
        names << QStringLiteral("Text%1").arg(box);
    names << QStringLiteral("Label20");
    clearFields(names);
}

SPIRELTA_REGISTER_FORM(Form23)
