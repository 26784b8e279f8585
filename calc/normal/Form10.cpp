#include "calc/normal/Form10.h"

#include "calc/normal/ExtensionCalc.h"
#include "calc/normal/ExtensionSpreadsheetExport.h"
#include "calc/normal/NormalFormParts.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "common/ui/SheetFill.h"
#include "platform/WindowCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

using extension::Inputs;
using extension::Results;
using ui::Need;

const QString kGramsForce = QStringLiteral("gf");
const QString kNewtons = QStringLiteral("N");

// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label15", .unitName = "Label14",   .mark = "Label23_1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .caption = "Label13", .unitName = "Label12",   .mark = "Label23_2"},
    {.field = "Text1_2", .captionId = 1373, .unit = "T",  .caption = "Label16", .unitName = "Label11",   .mark = "Label23_3"},
    {.field = "Text1_3", .captionId = 1369, .unit = "mm", .caption = "Label40", .unitName = "Label2",    .mark = "Label23_4"},
    {.field = "Text1_4", .captionId = 1507, .unit = "mm", .caption = "Label1",  .unitName = "Label23_0", .mark = "Label23_7"},
    {.field = "Text1_5", .captionId = 1508, .unit = "mm", .need = Need::Optional, .caption = "Label37", .unitName = "Label35", .mark = "Label23_5"},
    {.field = "Text1_6", .captionId = 1509, .unit = "mm", .need = Need::Optional, .caption = "Label25", .unitName = "Label24", .mark = "Label23_6"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},          {"Text1_1", &Inputs::meanDiameter}, {"Text1_2", &Inputs::coils},
    {"Text1_3", &Inputs::freeLength}, {"Text1_4", &Inputs::length1},      {"Text1_5", &Inputs::length2},
    {"Text1_6", &Inputs::length3},
};

// Text22 keeps the last working length reached, for the load-test window.
const ui::Out<Results> kShow[] = {
    {"Text22", &Results::lastLength},      {"Text19", &Results::tension, "0.0"},
    {"Text9", &Results::tensionN, "0.0"},  {"Text21", &Results::rate, "0.0"},
    {"Text10", &Results::rateN, "0.00"},   {"Text20", &Results::least1, "0.0"},
    {"Text6", &Results::greatest1, "0.0"}, {"Text2", &Results::least2, "0.0"},
    {"Text7", &Results::greatest2, "0.0"}, {"Text11", &Results::least3, "0.0"},
    {"Text8", &Results::greatest3, "0.0"},
};

// The unit labels of the six load boxes.
const QStringList kLoadUnitLabels = {"Label52", "Label17", "Label19", "Label4", "Label39", "Label41"};

// Emptied by the reset besides the inputs; the last working length stays for the load test.
const QStringList kResetBoxes = {"Text2",  "Text6",  "Text7",  "Text8",  "Text9", "Text10",
                                 "Text11", "Text12", "Text19", "Text20", "Text21"};

const QStringList kResultButtons = {"Command1", "Command2", "Command4", "Command7", "Command11"};

} // namespace

Form10::Form10() : FormBase(QStringLiteral("Form10")) {
    setWindowTitle(StringTable::text(1499));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame();
    buildResultFrame();

    QLabel* note = ui::makeLabel(this, QStringLiteral("Label6"), 2449);
    note->setStyleSheet(QStringLiteral("color: #ff0000"));
    note->setWordWrap(true);
    layout->addWidget(note);

    // The modulus of the chosen material and the last working length, for the load test.
    normalparts::hiddenField(this, QStringLiteral("Text12"));
    normalparts::hiddenField(this, QStringLiteral("Text22"));
    layout->addStretch();
    normalparts::fixWidths(this, QStringLiteral("Text1"), ui::controlNames(kShow));

    normalparts::setUpInputArray(this, QStringLiteral("Text1"), QStringLiteral("Command6"));
    setEnabled(kResultButtons, false);

    onClick(QStringLiteral("Command6"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [] { FormRegistry::show(QStringLiteral("Form17")); });
    onClick(QStringLiteral("Command11"), [this] { reset(); });
    onClick(QStringLiteral("Command5"), [this] { close(); });
    onClick(QStringLiteral("Command8"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command1"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command7"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command3"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form23")); });
    onClick(QStringLiteral("Command9"), [this] { switchLoadsToNewtons(); });
    // Command4 (Save As) fills the spreadsheet template; Label5 (the "max" caption of the h3
    // row) opens the tensile-strength workbook.
    ExtensionSpreadsheetExport::connect(this);
    declare(ui::fieldNames(kInputs) + ui::controlNames(kRead) + ui::controlNames(kShow) + kLoadUnitLabels +
            kResetBoxes + kResultButtons);
}

void Form10::buildInputFrame() {
    normalparts::addInputFrame(this, normalparts::inputTable({"Label9", 1375, "Command3"}, kInputs),
                               {
                                   {ui::button("Command6", 1357), ui::button("Command2", 1356),
                                    ui::button("Command11", 1321), ui::button("Command5", 1315)},
                                   {ui::button("Command8", 1359), ui::button("Command4", 1406),
                                    ui::button("Command1", 1358), ui::button("Command7", 1355)},
                               },
                               {"Image1", ":/pictures/normal/form10.svg", 300});
}

void Form10::buildResultFrame() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    layout()->addWidget(frame);
    auto loadRow = [](const char* caption, int textId, const char* least, const char* leastUnit,
                      const char* maxCaption, const char* greatest, const char* greatestUnit) {
        return std::vector<ui::Cell>{ui::label(caption, textId),   ui::result(least),
                                     ui::literal(leastUnit, "gf"), ui::label(maxCaption, 1501),
                                     ui::result(greatest),         ui::literal(greatestUnit, "gf")};
    };
    QGridLayout* grid = ui::grid(
        frame, {
                   {ui::label("Label45", 1503), ui::result("Text21"), ui::literal("Label53", "g/mm   =", 2),
                    ui::result("Text10"), ui::literal("Label34", "N/mm")},
                   {ui::label("Label43", 1569), ui::result("Text19"), ui::literal("Label51", "gf"),
                    ui::literal("Label33", "="), ui::result("Text9"), ui::literal("Label10", "N")},
                   loadRow("Label44", 1504, "Text20", "Label52", "Label22", "Text6", "Label17"),
                   loadRow("Label3", 1505, "Text2", "Label19", "Label38", "Text7", "Label4"),
                   loadRow("Label46", 1506, "Text11", "Label39", "Label5", "Text8", "Label41"),
               });

    // The length hint stands right of the first two rows, the unit switch below it.
    QLabel* hint = ui::makeLabel(frame, QStringLiteral("Label20"), 1502);
    hint->setStyleSheet(QStringLiteral("color: #ff0000"));
    hint->setWordWrap(true);
    hint->setMinimumWidth(ui::twips(3600));
    grid->addWidget(hint, 0, 6, 2, 1);
    grid->addWidget(ui::makeButton(frame, QStringLiteral("Command9"), 1500), 2, 6);
    grid->setColumnStretch(6, 1);
}

void Form10::setLoadUnit(const QString& unit) {
    for (const QString& name : kLoadUnitLabels)
        setText(name, unit);
}

void Form10::calculate() {
    const float g =
        num::single(springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1"))));
    setSingle(QStringLiteral("Text12"), g);
    if (!ui::requireFilled(this, kInputs))
        return;
    setLoadUnit(kGramsForce);

    Inputs in = ui::read(this, kRead);
    in.g = g;
    in.hasLength2 = !isEmpty(QStringLiteral("Text1_5"));
    in.hasLength3 = !isEmpty(QStringLiteral("Text1_6"));
    Results r;
    // What was worked out before a fault stays shown.
    ui::computeThenShow([&] { extension::compute(in, r); }, [&] { showResults(r); });
    setEnabled(kResultButtons, true);
}

void Form10::showResults(const extension::Results& r) {
    ui::showReached(this, r, kShow);
    if (!std::isnan(r.longest))
        setText(QStringLiteral("Label20"),
                StringTable::text(2260) + num::format(r.longest, u"0.0") + StringTable::text(2261));
}

void Form10::switchLoadsToNewtons() {
    const bool alreadyNewtons = std::all_of(kLoadUnitLabels.begin(), kLoadUnitLabels.end(),
                                            [this](const QString& name) { return text(name) == kNewtons; });
    if (alreadyNewtons)
        return;
    // A box that holds no load yet stays empty rather than showing a made-up 0.00.
    auto convert = [this](const QString& box) {
        if (!isEmpty(box))
            setNumber(box, number(box) * 9.8 / 1000, u"0.00");
    };
    convert(QStringLiteral("Text20"));
    convert(QStringLiteral("Text6"));
    if (!isEmpty(QStringLiteral("Text1_5"))) {
        convert(QStringLiteral("Text2"));
        convert(QStringLiteral("Text7"));
    }
    if (!isEmpty(QStringLiteral("Text1_6"))) {
        convert(QStringLiteral("Text8"));
        convert(QStringLiteral("Text11"));
    }
    setLoadUnit(kNewtons);
}

void Form10::reset() {
    ui::resetFields(this, kInputs);
    clearFields(kResetBoxes);
    setLoadUnit(kGramsForce);
    setText(QStringLiteral("Label20"), QString());
    setEnabled({QStringLiteral("Command2"), QStringLiteral("Command11"), QStringLiteral("Command7")}, false);
}

void Form10::fillDrawingSheet() {
    const double d = number(QStringLiteral("Text1_0"));
    const double meanDiameter = number(QStringLiteral("Text1_1"));
    const double freeLength = number(QStringLiteral("Text1_3"));
    const springs::CoilDiameters diameters = springs::coilDiameters(d, meanDiameter);
    ui::SheetFill sheet = sheets::extension();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put(3, num::text(d));
    sheet.put(4, num::text(diameters.outer));
    sheet.put(5, num::text(diameters.inner));
    sheet.put(6, num::text(meanDiameter));
    sheet.put(7, num::text(freeLength));
    sheet.put(8, text(QStringLiteral("Text1_2")));
    sheet.put(11, text(QStringLiteral("Text21")));
    sheet.put(12, text(QStringLiteral("Text19")));
    sheet.put({13, 23}, text(QStringLiteral("Text1_4")));
    sheet.put({14, 26}, text(QStringLiteral("Text20")));
    sheet.put({15, 24}, text(QStringLiteral("Text1_5")));
    sheet.put({16, 27}, text(QStringLiteral("Text2")));
    sheet.put({17, 25}, text(QStringLiteral("Text1_6")));
    sheet.put({18, 28}, text(QStringLiteral("Text11")));
    sheet.put(19, num::text(d));
    sheet.put(20, num::text(freeLength));
    sheet.put(21, num::text(diameters.outer));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form10)
