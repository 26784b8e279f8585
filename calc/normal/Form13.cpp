#include "calc/normal/Form13.h"

#include "calc/normal/ConicalCalc.h"
#include "calc/normal/ConicalLoadSketch.h"
#include "calc/normal/NormalFormParts.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/SheetFill.h"
#include "platform/WindowCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cmath>

namespace {

using conical::Inputs;
using conical::Results;

const QString kRed = QStringLiteral("#ff0000");

// clang-format off
const ui::InputField kInputs[] = {
    {.field = "Text10_0", .captionId = 1333, .unit = "mm", .caption = "Label15", .mark = "Label20"},
    {.field = "Text10_1", .captionId = 1520, .unit = "mm", .caption = "Label1",  .mark = "Label21"},
    {.field = "Text10_2", .captionId = 1521, .unit = "mm", .caption = "Label2",  .mark = "Label22"},
    {.field = "Text10_3", .captionId = 1373, .unit = "T",  .caption = "Label18", .mark = "Label23"},
    {.field = "Text10_4", .captionId = 1369, .unit = "mm", .caption = "Label3",  .mark = "Label25"},
    {.field = "Text10_5", .captionId = 1518, .unit = "mm", .caption = "Label4",  .mark = "Label26"},
    {.field = "Text10_6", .captionId = 1519, .unit = "mm", .need = ui::Need::Plain, .caption = "Label54", .unitName = "Label55"},
};
// clang-format on

const ui::In<Inputs> kRead[] = {
    {"Text10_0", &Inputs::d},     {"Text10_1", &Inputs::smallOuter}, {"Text10_2", &Inputs::largeOuter},
    {"Text10_3", &Inputs::coils}, {"Text10_4", &Inputs::freeHeight}, {"Text10_5", &Inputs::height1},
};

// The contact and solid points also stand in the sketch labels, as their boxes show them.
const ui::Out<Results> kShow[] = {
    {"Text8", &Results::rate, "0.000"},        {"Text12", &Results::contactLoad, "0.0"},
    {"Label24", &Results::contactLoad, "0.0"}, {"Text13", &Results::contactHeight},
    {"Label40", &Results::contactHeight},      {"Text14", &Results::solidLoad, "0.0"},
    {"Label28", &Results::solidLoad, "0.0"},   {"Text15", &Results::solidHeight, "0.0"},
    {"Label14", &Results::solidHeight, "0.0"}, {"Text16", &Results::load1, "0.00"},
    {"Text1", &Results::load1Gf, "0.0"},       {"Text17", &Results::load2, "0.00"},
    {"Text2", &Results::load2Gf, "0.00"},
};

// Emptied by the reset besides the inputs; the modulus stays for the load test.
const QStringList kResetBoxes = {"Text1",  "Text2",  "Text8",  "Text12", "Text13",
                                 "Text14", "Text15", "Text16", "Text17"};

// The buttons whose action needs a result.
const QStringList kResultButtons = {"Command2", "Command3", "Command4", "Command6", "Command5"};

} // namespace

Form13::Form13() : FormBase(QStringLiteral("Form13")) {
    setWindowTitle(StringTable::text(1510));
    auto* layout = new QVBoxLayout(this);
    buildInputFrame();
    buildResultFrame();
    // The modulus used by the last calculation, for the load test.
    normalparts::hiddenField(this, QStringLiteral("Text5"));
    layout->addStretch();
    // Text17 stays wide enough for the "too small" note it may show.
    normalparts::fixWidths(this, QStringLiteral("Text10"),
                           {"Text8", "Text1", "Text16", "Text2", "Text13", "Text12", "Text15", "Text14"});

    normalparts::setUpInputArray(this, QStringLiteral("Text10"), QStringLiteral("Command1"));
    setEnabled(kResultButtons, false);

    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command4"), [] { FormRegistry::show(QStringLiteral("Form18")); });
    onClick(QStringLiteral("Command2"), [this] { reset(); });
    onClick(QStringLiteral("Command3"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command6"), [this] { windowcommands::savePageSnapshot(this); });
    onClick(QStringLiteral("Command5"), [this] { fillDrawingSheet(); });
    onClick(QStringLiteral("Command7"), [this] { FormRegistry::switchTo(this, QStringLiteral("Form11")); });
    onClick(QStringLiteral("Command8"), [this] { close(); });
    declare(ui::fieldNames(kInputs) + ui::controlNames(kRead) + ui::controlNames(kShow) + kResetBoxes +
            kResultButtons);
}

void Form13::buildInputFrame() {
    std::vector<std::vector<ui::Cell>> rows = normalparts::inputTable({"Label9", 1544, "Command7"}, kInputs);
    rows.insert(rows.begin() + 1, {{ui::label("Label16", 1329, 4)}, {ui::label("Label12", 1324, 4)}});
    // The unit of h2 receives the solid-height note: red, and across the mark column.
    rows.back()[2] = ui::colored(ui::spanning(rows.back()[2], 2), kRed);
    rows.back().pop_back();
    normalparts::addInputFrame(
        this, rows,
        {{ui::button("Command1", 1357), ui::button("Command4", 1356), ui::button("Command2", 1321),
          ui::button("Command3", 1358), ui::button("Command6", 1359), ui::button("Command5", 1355),
          ui::button("Command8", 1315)}},
        {"Picture1", ":/pictures/normal/form13.svg", 260});
}

void Form13::buildResultFrame() {
    QGroupBox* frame = ui::makeFrame(this, QStringLiteral("Frame2"), 1812);
    layout()->addWidget(frame);
    auto* columns = new QHBoxLayout(frame);
    auto* values = new QWidget(frame);
    columns->addWidget(values);
    ui::grid(values,
             {
                 {ui::label("Label36", 1511), ui::result("Text8"), ui::literal("UnitText8", "(N/mm)", 2)},
                 {ui::label("Label50", 1516), ui::result("Text1"), ui::literal("Label19", "gf   =", 2),
                  ui::result("Text16"), ui::literal("UnitText16", "N")},
                 {ui::label("Label48", 1517), ui::result("Text2"), ui::literal("Label13", "gf   =", 2),
                  ui::result("Text17"), ui::literal("UnitText17", "N")},
                 {ui::label("Label42", 1513), ui::result("Text13"), ui::literal("UnitText13", "(mm)"),
                  ui::label("Label39", 1512), ui::result("Text12"), ui::literal("UnitText12", "N")},
                 {ui::label("Label46", 1515), ui::result("Text15"), ui::literal("UnitText15", "(mm)"),
                  ui::label("Label44", 1514), ui::result("Text14"), ui::literal("UnitText14", "N")},
             });
    for (const char* box : {"Text16", "Text17", "Text12", "Text14"})
        field(QString::fromLatin1(box))->setStyleSheet(QStringLiteral("color: #ff0000"));
    columns->addWidget(new ConicalLoadSketch(frame));
    columns->addStretch();
}

void Form13::calculate() {
    // A material that matches no row has no modulus: the calculation then stops at its first
    // division instead of computing a spring of the previous material.
    const float g =
        num::single(springMaterialModulus(SpringMaterialRows::All, text(QStringLiteral("Combo1"))));
    setSingle(QStringLiteral("Text5"), g);

    // An empty required field still sets the F1 captions, as if F1 and Fz were both 0.
    Results r;
    const bool filled = ui::requireFilled(this, kInputs);
    if (filled) {
        Inputs in = ui::read(this, kRead);
        in.g = g;
        if (!isEmpty(QStringLiteral("Text10_6")))
            in.height2 = number(QStringLiteral("Text10_6"));
        try {
            conical::compute(in, r);
        } catch (const num::CalcFault&) {
            showResults(r); // what was worked out before the fault stays shown
            throw;
        }
        showResults(r);
    }

    setText(QStringLiteral("Label50"), StringTable::text(r.load1BeyondContact ? 2267 : 2268));
    setText(QStringLiteral("Label19"), StringTable::text(r.load1BeyondContact ? 2269 : 2266));
    // Buttons that act on results open only once there are results.
    if (filled)
        setEnabled(kResultButtons, true);
}

void Form13::showResults(const conical::Results& r) {
    ui::showReached(this, r, kShow);
    if (!std::isnan(r.solidHeight))
        setText(QStringLiteral("Label55"),
                StringTable::text(2262) + num::formatSingle(r.solidHeight, u"0.0") + QStringLiteral("mm"));
    if (r.second == conical::SecondHeight::BelowSolidHeight)
        setText(QStringLiteral("Text17"), StringTable::text(2263));
    if (r.second == conical::SecondHeight::Loaded) {
        setText(QStringLiteral("Label48"), StringTable::text(r.load2BeyondContact ? 2264 : 2265));
        setText(QStringLiteral("Label13"), StringTable::text(r.load2BeyondContact ? 2269 : 2266));
    }
}

void Form13::reset() {
    ui::resetFields(this, kInputs);
    clearFields(kResetBoxes);
    setEnabled(kResultButtons, false);
}

void Form13::fillDrawingSheet() {
    auto input = [this](int index) { return number(QStringLiteral("Text10_%1").arg(index)); };
    const double d = input(0), smallOuter = input(1), largeOuter = input(2), coils = input(3);
    const double freeHeight = input(4);
    ui::SheetFill sheet = sheets::conical();
    sheet.put(2, text(QStringLiteral("Combo1")));
    sheet.put({3, 19}, num::text(d));
    sheet.put({4, 17}, num::text(smallOuter));
    sheet.put({5, 18}, num::text(largeOuter));
    sheet.put({6, 20}, num::text(freeHeight));
    sheet.put(7, num::text(coils));
    sheet.put(8, num::text(coils + 2));
    sheet.put(12, text(QStringLiteral("Text8")));
    sheet.put({13, 22}, text(QStringLiteral("Text10_5")));
    sheet.put({14, 23}, text(QStringLiteral("Text16")));
    sheet.put({15, 21}, text(QStringLiteral("Text10_6")));
    sheet.put({16, 24}, text(QStringLiteral("Text17")));
    sheet.show();
}

SPIRELTA_REGISTER_FORM(Form13)
