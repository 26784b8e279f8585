#include "calc/sections/Form33.h"

#include "calc/sections/SquareWireSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/WireShearModulusTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using squarewire::Inputs;
using squarewire::Results;

// The side is named by text 1628 when it is missing, though its label shows 1479.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1479,
     .unit = "mm",
     .messageId = 1628,
     .caption = "Label1_0",
     .unitName = "Label1_11"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_10"},
    {.field = "Text1_2", .captionId = 1373, .unit = "T", .caption = "Label1_2", .unitName = "Label1_9"},
    {.field = "Text1_3", .captionId = 1806, .unit = "mm", .caption = "Label1_3", .unitName = "Label1_8"},
};

const ui::ResultRow kResults[] = {
    {.box = "Text1_4", .captionId = 1585, .caption = "Label1_4", .unit = "N/mm", .unitName = "Label1_7"},
    {.box = "Text1_5", .captionId = 1586, .caption = "Label1_5", .unit = "N", .unitName = "Label1_6"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::side},
    {"Text1_1", &Inputs::meanDiameter},
    {"Text1_2", &Inputs::activeCoils},
    {"Text1_3", &Inputs::deflection},
};

const ui::Shown<Results> kShown[] = {
    {"Text1_4", &Results::rate, "0.0000"},
    {"Text1_5", &Results::load, "0.0000"},
};

} // namespace

Form33::Form33() : FormBase(QStringLiteral("Form33")) {
    wiresection::build(
        this,
        {.captionId = 1095,
         .materials = wireshear::names(wireshear::Column::SquareWire),
         .inputs = kInputs,
         .results = kResults,
         .focusFirstField = false,
         .side = wiresection::picture(this, "square-wire.svg")},
        [this] { calculate(); }, [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form33::calculate() {
    Inputs start{};
    start.g = wireshear::modulus(wireshear::Column::SquareWire, text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &squarewire::compute, kShown);
}

SPIRELTA_REGISTER_FORM(Form33)
