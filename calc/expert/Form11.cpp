#include "calc/expert/Form11.h"

#include "calc/expert/ConicalExpert.h"
#include "calc/expert/ExpertCellMapExport.h"
#include "calc/expert/ExpertFormCells.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/Verdicts.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

using namespace conicalexpert;

const QString kMm = QStringLiteral("mm");
const QString kNewton = QStringLiteral("N");

// The buttons that need a result: reset, print, snapshot and drawing.
const QStringList kResultButtons = {"Command2", "Command3", "Command4", "Command6"};

using expertui::Column;

// No field carries a mark; the reset empties the modulus too.
// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text10_0", .captionId = 1567, .unit = "kg/mm2", .defaultText = "7000", .caption = "Label9", .unitName = "Label12"},
    {.field = "Text10_1", .captionId = 1333, .unit = "mm", .caption = "Label15", .unitName = "Label17"},
    {.field = "Text10_2", .captionId = 1520, .unit = "mm", .caption = "Label1",  .unitName = "Label5"},
    {.field = "Text10_3", .captionId = 1521, .unit = "mm", .caption = "Label2",  .unitName = "Label6"},
    {.field = "Text10_4", .captionId = 1373, .unit = "T",  .caption = "Label18", .unitName = "Label7"},
    {.field = "Text10_5", .captionId = 1369, .unit = "mm", .caption = "Label3",  .unitName = "Label8"},
    {.field = "Text10_6", .captionId = 2190, .unit = "mm", .caption = "Label4",  .unitName = "Label27"},
    {.field = "Text10_7", .captionId = 2189, .unit = "mm", .need = ui::Need::Plain, .caption = "Label54", .unitName = "Label55"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text10_0", &Inputs::g},          {"Text10_1", &Inputs::d},       {"Text10_2", &Inputs::smallOuter},
    {"Text10_3", &Inputs::largeOuter}, {"Text10_4", &Inputs::coils},   {"Text10_5", &Inputs::freeHeight},
    {"Text10_6", &Inputs::height1},    {"Text10_7", &Inputs::height2},
};

const ui::Out<Results> kShow[] = {
    {"Text6", &Results::springIndex, "0.00"}, {"Text7", &Results::wahl, "0.00"},
    {"Text8", &Results::rate, "0.000"},       {"Text9", &Results::pitch, "0.00"},
    {"Text12", &Results::contactLoad, "0.0"}, {"Text13", &Results::contactHeight},
    {"Text14", &Results::solidLoad, "0.000"}, {"Text15", &Results::solidHeight, "0.0"},
    {"Text16", &Results::load1, "0.00"},      {"Text1", &Results::load1Gf, "0.0"},
    {"Text17", &Results::load2, "0.00"},      {"Text2", &Results::load2Gf, "0.00"},
    {"Text18", &Results::solidStress, "0.0"},
};
// The labels beside the marked points of the load diagram show the same texts as their boxes.
const ui::Out<Results> kDiagram[] = {
    {"Label24", &Results::contactLoad, "0.0"},
    {"Label40", &Results::contactHeight},
    {"Label28", &Results::solidLoad, "0.000"},
    {"Label14", &Results::solidHeight, "0.0"},
};
const ui::Verdict<Results> kIndexVerdict[] = {{"Label31", &Results::springIndexOk}};

// A caption that says one of two things once the calculation has decided.
struct Said {
    const char* control;
    std::optional<bool> Results::*member;
    int whenTrue, whenFalse;
};
const Said kSaid[] = {
    {"Label30", &Results::coilsTouch, 2275, 2276},
    {"Label48", &Results::load2BeyondContact, 2264, 2265},
    {"Label13", &Results::load2BeyondContact, 2269, 2266},
    {"Label50", &Results::load1BeyondContact, 2267, 2268},
    {"Label19", &Results::load1BeyondContact, 2269, 2266},
};
const char* const kSolidNotes[] = {"Label27", "Label55"};

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
    setEnabled(kResultButtons, false);
    declare(ui::fieldNames(kInputs) + ui::controlNames(kShow) + ui::controlNames(kDiagram) +
            ui::controlNames(kIndexVerdict) + ui::controlNames(kSaid) +
            QStringList{kSolidNotes[0], kSolidNotes[1]});

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { reset(); });
    onClick(QStringLiteral("Command3"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    expertcells::connectExports(this);
    onClick(QStringLiteral("Command7"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form13")); });
}

void Form11::buildInputs(QGroupBox* frame) {
    auto* page = new QVBoxLayout(frame);
    // Wide enough for the solid-height note the last two units receive.
    std::vector<std::vector<ui::Cell>> rows =
        expertui::inputRows(kInputs,
                            {{"Text10_6", Column::Unit, ui::unit("Label27", kMm, 3)},
                             {"Text10_7", Column::Unit, ui::unit("Label55", kMm, 3)}},
                            false);
    rows.front().push_back(ui::button(QStringLiteral("Command7"), 1405, 2));
    ui::grid(frame, rows);
    QLineEdit* modulus = field(QStringLiteral("Text10_0"));
    modulus->setStyleSheet(QStringLiteral("color: #ff0000"));
    modulus->setToolTip(StringTable::text(2277));

    auto* bar = new QWidget(frame);
    ui::grid(bar,
             {{ui::button(QStringLiteral("Command1"), 1357), ui::button(QStringLiteral("Command2"), 1321),
               ui::button(QStringLiteral("Command3"), 1358), ui::button(QStringLiteral("Command6"), 1359),
               ui::button(QStringLiteral("Command4"), 1355), ui::button(QStringLiteral("Command5"), 1315)}});
    page->addWidget(bar);
}

void Form11::buildResults(QGroupBox* frame) {
    auto* columns = new QHBoxLayout(frame);
    auto* values = new QWidget(frame);
    columns->addWidget(values);
    ui::grid(
        values,
        {
            {ui::label("Label36", 2198), ui::result("Text8"), ui::unit("Label35", QStringLiteral("(N/mm)"))},
            {ui::label("Label50", 2192), ui::result("Text1"), ui::unit("Label19", QStringLiteral("gf   =")),
             ui::result("Text16"), ui::unit("Label51", kNewton)},
            {ui::label("Label48", 2191), ui::result("Text2"), ui::unit("Label13", QStringLiteral("gf   =")),
             ui::result("Text17"), ui::unit("Label49", QStringLiteral("N "))},
            {ui::label("Label42", 2196), ui::result("Text13"), ui::unit("Label43", QStringLiteral("(mm)")),
             ui::label("Label39", 2197), ui::result("Text12"), ui::unit("Label38", kNewton)},
            {ui::label("Label46", 2194), ui::result("Text15"), ui::unit("Label47", QStringLiteral("(mm)")),
             ui::label("Label44", 2195), ui::result("Text14"), ui::unit("Label45", kNewton)},
            {ui::label("Label29", 2199), ui::unit("Label30", QStringLiteral("?"), 2)},
            {ui::label("Label32", 1419), ui::result("Text6"), ui::unit("Label31", QStringLiteral("?")),
             ui::label("Label34", 1418), ui::result("Text7")},
            {ui::label("Label37", 1918), ui::result("Text9"), ui::unit("Label33", kMm),
             ui::label("Label52", 2193), ui::result("Text18"), ui::unit("Label53", kNewton)},
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
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.height2Given = !isEmpty(QStringLiteral("Text10_7"));

    Results r;
    ui::computeThenShow([&] { compute(in, r); }, [&] { show(r); });
    setEnabled(kResultButtons, true);
}

void Form11::show(const Results& r) {
    ui::showReached(this, r, kShow);
    ui::showReached(this, r, kDiagram);
    ui::showVerdicts(this, r, kIndexVerdict);
    for (const Said& said : kSaid) {
        if (const std::optional<bool>& yes = r.*said.member)
            setText(QString::fromLatin1(said.control),
                    StringTable::text(*yes ? said.whenTrue : said.whenFalse));
    }
    if (!std::isnan(r.solidHeight)) {
        for (const char* note : kSolidNotes)
            setText(QString::fromLatin1(note),
                    StringTable::text(2262) + num::formatSingle(r.solidHeight, u"0.0") + kMm);
    }
    if (r.height2BelowSolid.value_or(false))
        setText(QStringLiteral("Text17"), StringTable::text(2263));
}

void Form11::reset() {
    ui::resetFields(this, kInputs);
    clearFields(ui::controlNames(kShow));
    setEnabled(kResultButtons, false);
}

SPIRELTA_REGISTER_FORM(Form11)
