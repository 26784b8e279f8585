#include "calc/varpitch/Form123.h"

#include "calc/varpitch/ThreeSectionPitch.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using threesection::Inputs;
using threesection::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "7",
     .messageId = 1333,
     .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .defaultText = "44", .caption = "Label3"},
    {.field = "Text1_2", .captionId = 2079, .unit = "T", .defaultText = "6", .caption = "Label5"},
    {.field = "Text1_3", .captionId = 2078, .unit = "mm", .defaultText = "10.1", .caption = "Label7"},
    {.field = "Text1_4", .captionId = 2077, .unit = "T", .defaultText = "6", .caption = "Label22"},
    {.field = "Text1_5", .captionId = 2080, .unit = "mm", .defaultText = "11", .caption = "Label56"},
    {.field = "Text1_6", .captionId = 2075, .unit = "T", .defaultText = "4", .caption = "Label12"},
    {.field = "Text1_7", .captionId = 2076, .unit = "mm", .defaultText = "16.8", .caption = "Label36"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},      {"Text1_1", &Inputs::meanDiameter}, {"Text1_2", &Inputs::coils1},
    {"Text1_3", &Inputs::pitch1}, {"Text1_4", &Inputs::coils2},       {"Text1_5", &Inputs::pitch2},
    {"Text1_6", &Inputs::coils3}, {"Text1_7", &Inputs::pitch3},
};

// Two columns, filled row by row: rates and travels on the left, combined rates, free height
// and node positions on the right.
const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 2072, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text5", .captionId = 2066, .caption = "Label21", .unit = "N/mm"},
    {.box = "Text3", .captionId = 2073, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text6", .captionId = 2065, .caption = "Label25", .unit = "N/mm"},
    {.box = "Text4", .captionId = 2074, .caption = "Label19", .unit = "N/mm"},
    {.box = "Text13", .captionId = 2064, .caption = "Label14", .unit = "N/mm"},
    {.box = "Text7", .captionId = 2071, .caption = "Label27", .unit = "mm"},
    {.box = "Text10", .captionId = 1369, .caption = "Label34", .unit = "mm"},
    {.box = "Text8", .captionId = 2070, .caption = "Label29", .unit = "mm"},
    {.box = "Text11", .captionId = 2067, .caption = "Label49", .unit = "mm"},
    {.box = "Text9", .captionId = 2069, .caption = "Label31", .unit = "mm"},
    {.box = "Text12", .captionId = 2068, .caption = "Label47", .unit = "mm"},
};

const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::rate1, "0.00"},    {"Text3", &Results::rate2, "0.00"},
    {"Text4", &Results::rate3, "0.0"},     {"Text13", &Results::rate3, "0.0"},
    {"Text5", &Results::combined1, "0.0"}, {"Text6", &Results::combined2, "0.00"},
    {"Text7", &Results::travel1, "0.0"},   {"Text8", &Results::travel2, "0.0"},
    {"Text9", &Results::travel3, "0.0"},   {"Text10", &Results::freeHeight, "0.0"},
    {"Text11", &Results::node1, "0.0"},    {"Text12", &Results::node2, "0.0"},
};

} // namespace

Form123::Form123() : FormBase(QStringLiteral("Form123")) {
    // Coming back to this window leaves the caret where the user left it.
    ui::buildArrayCalculator(
        this,
        {.captionId = 1082,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .resultColumns = 2,
         .focusFirstField = false,
         .side = varpitch::springSketch(this, "three-section.svg")},
        [this] { calculate(); },
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                         "Text11", "Text12", "Text13"});
        });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form123::calculate() {
    const double g = varpitch::shortListModulus(this);
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { threesection::compute(in, r); }, kShown);
}

SPIRELTA_REGISTER_FORM(Form123)
