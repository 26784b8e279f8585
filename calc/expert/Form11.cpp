#include "calc/expert/Form11.h"

#include "calc/expert/ConicalExpert.h"
#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringFormulas.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMm = QStringLiteral("mm");
const QString kNewton = QStringLiteral("N");

// The buttons that need a result: reset, print, snapshot and drawing.
const QStringList& resultButtons() {
    static const QStringList buttons = {QStringLiteral("Command2"), QStringLiteral("Command3"),
                                        QStringLiteral("Command4"), QStringLiteral("Command6")};
    return buttons;
}

using expertui::box;
using expertui::caption;
using expertui::unit;

ui::Cell input(int index, const QString& defaultText = {}) {
    return ui::edit(QStringLiteral("Text10_%1").arg(index), defaultText);
}

// Single-precision stores, as the calculator always made them.
using num::single;

} // namespace

Form11::Form11() : FormBase(QStringLiteral("Form11")) {
    setWindowTitle(StringTable::text(2188));
    auto* inputs = ui::makeFrame(this, QStringLiteral("Frame1"), 1366);
    auto* results = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    buildInputs(inputs);
    buildResults(results);

    auto* top = new QHBoxLayout;
    top->addWidget(inputs);
    top->addWidget(ui::makePicture(this, QStringLiteral("Picture1"),
                                   QStringLiteral(":/pictures/expert/form11-spring.svg"), 220),
                   0, Qt::AlignCenter);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(results);

    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setMinimumWidth(ui::twips(1100));
    for (QLineEdit* input : inputArray(QStringLiteral("Text10")))
        input->setFixedWidth(ui::twips(1400));

    attachInputArray(QStringLiteral("Text10"));
    setFirstField(field(QStringLiteral("Text10_0")));
    setDefaultButton(button(QStringLiteral("Command1")));
    setEnabled(resultButtons(), false);

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { reset(); });
    onClick(QStringLiteral("Command3"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    expertcells::connectExports(this);
    onClick(QStringLiteral("Command7"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form13")); });
}

void Form11::buildInputs(QGroupBox* frame) {
    auto* rows = new QVBoxLayout(frame);
    ui::grid(frame,
             {
                 {caption("Label9", 1567), input(0, QStringLiteral("7000")),
                  unit("Label12", QStringLiteral("kg/mm2")), ui::button(QStringLiteral("Command7"), 1405, 2)},
                 {caption("Label15", 1333), input(1), unit("Label17", kMm)},
                 {caption("Label1", 1520), input(2), unit("Label5", kMm)},
                 {caption("Label2", 1521), input(3), unit("Label6", kMm)},
                 {caption("Label18", 1373), input(4), unit("Label7", QStringLiteral("T"))},
                 {caption("Label3", 1369), input(5), unit("Label8", kMm)},
                 // Wide enough for the solid-height note they receive.
                 {caption("Label4", 2190), input(6), unit("Label27", kMm, 3)},
                 {caption("Label54", 2189), input(7), unit("Label55", kMm, 3)},
             });
    QLineEdit* modulus = field(QStringLiteral("Text10_0"));
    modulus->setStyleSheet(QStringLiteral("color: #ff0000"));
    modulus->setToolTip(StringTable::text(2277));

    auto* bar = new QWidget(frame);
    ui::grid(bar,
             {{ui::button(QStringLiteral("Command1"), 1357), ui::button(QStringLiteral("Command2"), 1321),
               ui::button(QStringLiteral("Command3"), 1358), ui::button(QStringLiteral("Command6"), 1359),
               ui::button(QStringLiteral("Command4"), 1355), ui::button(QStringLiteral("Command5"), 1315)}});
    rows->addWidget(bar);
}

void Form11::buildResults(QGroupBox* frame) {
    auto* columns = new QHBoxLayout(frame);
    auto* values = new QWidget(frame);
    columns->addWidget(values);
    ui::grid(values, {
                         {caption("Label36", 2198), box("Text8"), unit("Label35", QStringLiteral("(N/mm)"))},
                         {caption("Label50", 2192), box("Text1"), unit("Label19", QStringLiteral("gf   =")),
                          box("Text16"), unit("Label51", kNewton)},
                         {caption("Label48", 2191), box("Text2"), unit("Label13", QStringLiteral("gf   =")),
                          box("Text17"), unit("Label49", QStringLiteral("N "))},
                         {caption("Label42", 2196), box("Text13"), unit("Label43", QStringLiteral("(mm)")),
                          caption("Label39", 2197), box("Text12"), unit("Label38", kNewton)},
                         {caption("Label46", 2194), box("Text15"), unit("Label47", QStringLiteral("(mm)")),
                          caption("Label44", 2195), box("Text14"), unit("Label45", kNewton)},
                         {caption("Label29", 2199), unit("Label30", QStringLiteral("?"), 2)},
                         {caption("Label32", 1419), box("Text6"), unit("Label31", QStringLiteral("?")),
                          caption("Label34", 1418), box("Text7")},
                         {caption("Label37", 1918), box("Text9"), unit("Label33", kMm),
                          caption("Label52", 2193), box("Text18"), unit("Label53", kNewton)},
                     });
    columns->addWidget(buildLoadDiagram(frame), 0, Qt::AlignTop);
}

// The fixed load–height diagram; four labels beside its marked points receive the values.
QWidget* Form11::buildLoadDiagram(QWidget* parent) {
    auto* diagram = new QWidget(parent);
    diagram->setObjectName(QStringLiteral("LoadDiagram"));
    diagram->setFixedSize(290, 170);
    QLabel* picture = ui::makePicture(diagram, QStringLiteral("LoadDiagramPicture"),
                                      QStringLiteral(":/pictures/expert/form11-diagram.svg"));
    picture->setGeometry(0, 0, 290, 170);
    struct Place {
        const char* name;
        const char* text;
        QRect geometry;
        Qt::Alignment alignment;
    };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    for (const Place& place : {Place{"Label24", "Fz", QRect(0, 89, 44, 18), right},
                               Place{"Label28", "Fb", QRect(0, 17, 44, 18), right},
                               Place{"Label40", "lz", QRect(114, 142, 40, 18), right},
                               Place{"Label14", "lb", QRect(188, 142, 40, 18), right},
                               Place{"DiagramUnitFz", "N", QRect(46, 89, 14, 18), left},
                               Place{"DiagramUnitFb", "N", QRect(46, 17, 14, 18), left},
                               Place{"DiagramUnitLz", "mm", QRect(155, 142, 24, 18), left},
                               Place{"DiagramUnitLb", "mm", QRect(229, 142, 24, 18), left}}) {
        QLabel* label =
            ui::makeLiteral(diagram, QString::fromLatin1(place.name), QString::fromLatin1(place.text));
        label->setGeometry(place.geometry);
        label->setAlignment(place.alignment);
    }
    return diagram;
}

void Form11::calculate() {
    if (!requireFilled({{QStringLiteral("Text10_0"), 1567},
                        {QStringLiteral("Text10_1"), 1333},
                        {QStringLiteral("Text10_2"), 1520},
                        {QStringLiteral("Text10_3"), 1521},
                        {QStringLiteral("Text10_4"), 1373},
                        {QStringLiteral("Text10_5"), 1369},
                        {QStringLiteral("Text10_6"), 2190}}))
        return;
    auto read = [this](int index) { return single(number(QStringLiteral("Text10_%1").arg(index))); };
    const float g = read(0), d = read(1), smallOuter = read(2), largeOuter = read(3), coils = read(4);
    const float freeHeight = read(5), height1 = read(6);

    const float r1 = springs::conicalCoilRadius(smallOuter, d);
    const float r2 = springs::conicalCoilRadius(largeOuter, d);
    // Coils that cannot nest inside each other come to rest on each other.
    const bool touching = single(double(d) * coils) > single(double(r2) - r1);
    setText(QStringLiteral("Label30"), StringTable::text(touching ? 2275 : 2276));

    const float index = single(num::div(2.0 * r2, d));
    setSingle(QStringLiteral("Text6"), index, u"0.00");
    setText(QStringLiteral("Label31"), springchecks::verdictText(!(index < 4.0f) && !(index > 10.0f)));
    const float wahl = springchecks::wahlFactorSingle(index);
    setSingle(QStringLiteral("Text7"), wahl, u"0.00");

    const float rate = springs::conicalRateBeforeContact(g, d, r1, r2, coils);
    setSingle(QStringLiteral("Text8"), rate, u"0.000");
    const float pitch = conicalexpert::pitch(freeHeight, d, coils);
    setSingle(QStringLiteral("Text9"), pitch, u"0.00");
    const float spacing = springs::conicalContactSpacing(d, r1, r2, coils);

    const float contactLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r2);
    setSingle(QStringLiteral("Text12"), contactLoad, u"0.0");
    setText(QStringLiteral("Label24"), text(QStringLiteral("Text12")));

    // The contact height is kept as shown to one decimal, then written without a pattern.
    const float contactHeight = single(double(freeHeight) - num::div(contactLoad, rate));
    setNumber(QStringLiteral("Text13"), num::lenient(num::formatSingle(contactHeight, u"0.0")));
    setText(QStringLiteral("Label40"), text(QStringLiteral("Text13")));

    const float solidLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r1);
    setSingle(QStringLiteral("Text14"), solidLoad, u"0.000");
    setText(QStringLiteral("Label28"), text(QStringLiteral("Text14")));

    const float solidHeight = springs::conicalSolidHeight(spacing, coils, d);
    setSingle(QStringLiteral("Text15"), solidHeight, u"0.0");
    setText(QStringLiteral("Label14"), text(QStringLiteral("Text15")));
    const QString solidNote = StringTable::text(2262) + num::formatSingle(solidHeight, u"0.0") + kMm;
    setText(QStringLiteral("Label27"), solidNote);
    setText(QStringLiteral("Label55"), solidNote);

    const float load1 = single((double(freeHeight) - height1) * rate);
    setSingle(QStringLiteral("Text16"), load1, u"0.00");
    setNumber(QStringLiteral("Text1"), double(load1) / 9.8 * 1000, u"0.0");

    if (!isEmpty(QStringLiteral("Text10_7"))) {
        const float height2 = read(7);
        if (height2 < solidHeight) {
            setText(QStringLiteral("Text17"), StringTable::text(2263));
        } else {
            const float load2 = single((double(freeHeight) - height2) * rate);
            setSingle(QStringLiteral("Text17"), load2, u"0.00");
            setNumber(QStringLiteral("Text2"), double(load2) / 9.8 * 1000, u"0.00");
            // Beyond the first contact the spring is stiffer: the load shown is a lower bound.
            const bool beyondContact = load2 > contactLoad;
            setText(QStringLiteral("Label48"), StringTable::text(beyondContact ? 2264 : 2265));
            setText(QStringLiteral("Label13"), StringTable::text(beyondContact ? 2269 : 2266));
        }
    }

    setSingle(QStringLiteral("Text18"), conicalexpert::solidShearStress(wahl, solidLoad, r1, d), u"0.0");
    const bool beyondContact = load1 > contactLoad;
    setText(QStringLiteral("Label50"), StringTable::text(beyondContact ? 2267 : 2268));
    setText(QStringLiteral("Label19"), StringTable::text(beyondContact ? 2269 : 2266));
    setEnabled(resultButtons(), true);
}

void Form11::reset() {
    QStringList names;
    for (int i = 0; i <= 7; ++i)
        names << QStringLiteral("Text10_%1").arg(i);
    for (int box : {1, 2, 6, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18})
        names << QStringLiteral("Text%1").arg(box);
    clearFields(names);
    setEnabled(resultButtons(), false);
}

SPIRELTA_REGISTER_FORM(Form11)
