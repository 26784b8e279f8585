#include "calc/sections/Form34.h"

#include "calc/sections/RectangularWireSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/WireShearModulusTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/LabelClick.h"
#include "common/ui/PartialResults.h"

#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

using rectangularwire::Inputs;
using rectangularwire::Results;

// The working height is named by text 1372 when it is missing, though its label shows 1680.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 2435, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_12"},
    {.field = "Text1_1", .captionId = 2434, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_13"},
    {.field = "Text1_2", .captionId = 1332, .unit = "mm", .caption = "Label1_2", .unitName = "Label1_14"},
    {.field = "Text1_3", .captionId = 1373, .unit = "T", .caption = "Label1_3", .unitName = "Label1_15"},
    {.field = "Text1_4", .captionId = 1331, .unit = "T", .caption = "Label1_6", .unitName = "Label1_11"},
    {.field = "Text1_5", .captionId = 1369, .unit = "mm", .caption = "Label1_21", .unitName = "Label1_22"},
    {.field = "Text1_6", .captionId = 2443, .caption = "Label1_20"},
    {.field = "Text1_7", .captionId = 2444, .caption = "Label1_23"},
    {.field = "Text1_8",
     .captionId = 1680,
     .unit = "mm",
     .messageId = 1372,
     .caption = "Label1_25",
     .unitName = "Label1_24"},
    {.field = "Text1_9", .captionId = 1412, .need = ui::Need::Optional, .caption = "Label1_30"},
};

const wiresection::Hint kHints[] = {
    {"Label1_19", 2445, "Text1_6"},
    {"Label1_33", 1411, "Text1_9"},
};

// Two columns: rate, working load, weight and life on the left; solid height, solid load,
// stress and the equivalent round wire on the right.
const ui::ResultRow kResults[] = {
    {.box = "Text1_15",
     .captionId = 1362,
     .caption = "Label1_4",
     .unit = "N/mm",
     .unitName = "Label1_16",
     .red = true},
    {.box = "Text1_12", .captionId = 1425, .caption = "Label1_5", .unit = "mm", .unitName = "Label1_26"},
    {.box = "Text1_10",
     .captionId = 1594,
     .caption = "Label1_7",
     .unit = "N",
     .unitName = "Label2",
     .red = true},
    {.box = "Text1_13", .captionId = 2095, .caption = "Label1_8", .unit = "N", .unitName = "Label1_9"},
    {.box = "Text1_11", .captionId = 1464, .caption = "Label1_29", .unit = "g", .unitName = "Label1_28"},
    {.box = "Text1_14", .captionId = 1437, .caption = "Label1_27", .unit = "Mpa", .unitName = "Label1_17"},
    {.box = "Text1_16",
     .captionId = 1416,
     .caption = "Label1_32",
     .unitName = "Label1_31",
     .unitId = 1415,
     .red = true},
    {.box = "Text1_17",
     .caption = "Label1_10",
     .captionText = "相当于圆线：",
     .unit = "mm",
     .unitName = "Label1_34"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::width},         {"Text1_1", &Inputs::thickness},
    {"Text1_2", &Inputs::meanDiameter},  {"Text1_3", &Inputs::activeCoils},
    {"Text1_4", &Inputs::totalCoils},    {"Text1_5", &Inputs::freeHeight},
    {"Text1_6", &Inputs::rateFactor},    {"Text1_7", &Inputs::stressFactor},
    {"Text1_8", &Inputs::workingHeight},
};

const ui::Shown<Results> kShown[] = {
    {"Text1_12", &Results::solidHeight, "0.0"},  {"Text1_11", &Results::weight, "0.00"},
    {"Text1_17", &Results::roundWire, "0.0"},    {"Text1_15", &Results::rate, "0.00"},
    {"Text1_10", &Results::workingLoad, "0.00"}, {"Text1_13", &Results::solidLoad, "0.00"},
    {"Text1_14", &Results::stress, "0.00"},
};

// The spring picture above the table of section factors the user reads K2 and K3 from.
QWidget* pictures(FormBase* form) {
    auto* side = new QWidget(form);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(wiresection::picture(form, "rectangular-wire.svg"));
    column->addWidget(wiresection::picture(form, "section-factors.svg", "Image2"));
    column->addStretch();
    return side;
}

} // namespace

Form34::Form34() : FormBase(QStringLiteral("Form34")) {
    wiresection::build(
        this,
        {.captionId = 1096,
         .materials = wireshear::names(wireshear::Column::RectangularWire),
         .inputs = kInputs,
         .hints = kHints,
         .results = kResults,
         .resultColumns = 2,
         .side = pictures(this)},
        [this] { calculate(); },
        [this] {
            QStringList boxes;
            for (int i = 0; i <= 17; ++i)
                boxes << QStringLiteral("Text1_%1").arg(i);
            clearFields(boxes);
        });
    // The life shows in red.
    field(QStringLiteral("Text1_16"))->setStyleSheet(QStringLiteral("color: red"));
    // Every label of the array leads to the tensile-strength picture, not only "点击查询".
    static const QRegularExpression arrayLabel(QStringLiteral("^Label1_\\d+$"));
    for (QLabel* l : findChildren<QLabel*>(arrayLabel))
        ui::onLabelClick(l, [] { FormRegistry::show(QStringLiteral("Form142")); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown) + QStringList{QStringLiteral("Text1_16")});
}

void Form34::calculate() {
    const double g = wireshear::modulus(wireshear::Column::RectangularWire, text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    if (!isEmpty(QStringLiteral("Text1_9")))
        in.tensileStrength = number(QStringLiteral("Text1_9"));
    Results r;
    ui::computeThenShow(
        this, [&] { rectangularwire::compute(in, r); }, r, kShown);
    if (r.solidAboveWorking) {
        prompt::inform(this, StringTable::text(2471) + num::text(r.solid));
        return;
    }
    if (r.life)
        setText(QStringLiteral("Text1_16"), r.life->text());
}

SPIRELTA_REGISTER_FORM(Form34)
