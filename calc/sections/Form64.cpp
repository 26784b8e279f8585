#include "calc/sections/Form64.h"

#include "calc/sections/FlatWireSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/WireShearModulusTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using flatwire::Inputs;
using flatwire::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_11"},
    {.field = "Text1_1", .captionId = 1627, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_10"},
    {.field = "Text1_2", .captionId = 1807, .unit = "mm", .caption = "Label1_2", .unitName = "Label1_9"},
    {.field = "Text1_3", .captionId = 1332, .unit = "mm", .caption = "Label1_12", .unitName = "Label1_8"},
    {.field = "Text1_4", .captionId = 1373, .unit = "T", .caption = "Label1_3", .unitName = "Label1_24"},
    {.field = "Text1_5", .captionId = 1806, .unit = "mm", .caption = "Label1_4", .unitName = "Label1_7"},
};

// The array has no item 6: the results start at 7. Rate and load on the left, the three
// moments to their right.
const ui::ResultRow kResults[] = {
    {.box = "Text1_10", .captionId = 1585, .caption = "Label1_21", .unit = "N/mm", .unitName = "Label1_20"},
    {.box = "Text1_7", .captionId = 1808, .caption = "Label1_14", .unit = "mm", .unitName = "Label1_13"},
    {.box = "Text1_11", .captionId = 1586, .caption = "Label1_23", .unit = "N", .unitName = "Label1_22"},
    {.box = "Text1_8", .captionId = 1809, .caption = "Label1_16", .unit = "mm", .unitName = "Label1_15"},
    {.box = nullptr},
    {.box = "Text1_9", .captionId = 1810, .caption = "Label1_19", .unit = "mm", .unitName = "Label1_17"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::width},        {"Text1_1", &Inputs::thickness},   {"Text1_2", &Inputs::edgeRadius},
    {"Text1_3", &Inputs::meanDiameter}, {"Text1_4", &Inputs::activeCoils}, {"Text1_5", &Inputs::deflection},
};

const ui::Shown<Results> kShown[] = {
    {"Text1_7", &Results::momentA, "0.000000"}, {"Text1_8", &Results::momentB, "0.000000"},
    {"Text1_9", &Results::polarMoment, "0.00"}, {"Text1_10", &Results::rate, "0.00"},
    {"Text1_11", &Results::load, "0.00"},
};

} // namespace

Form64::Form64() : FormBase(QStringLiteral("Form64")) {
    wiresection::build(
        this,
        {.captionId = 1094,
         .materials = wireshear::names(wireshear::Column::FlatWire),
         .inputs = kInputs,
         .results = kResults,
         .resultColumns = 2,
         .side = wiresection::picture(this, "flat-wire.svg")},
        [this] { calculate(); }, [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form64::calculate() {
    Inputs start{};
    start.g = wireshear::modulus(wireshear::Column::FlatWire, text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &flatwire::compute, kShown);
}

SPIRELTA_REGISTER_FORM(Form64)
