#include "calc/varpitch/Form74.h"

#include "calc/varpitch/SmallPitchEnd.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using smallpitch::Inputs;
using smallpitch::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .defaultText = "8", .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1444, .unit = "mm", .defaultText = "39", .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1445, .unit = "mm", .defaultText = "43.5", .caption = "Label5"},
    {.field = "Text1_3", .captionId = 1874, .unit = "T", .defaultText = "12.5", .caption = "Label7"},
    {.field = "Text1_4", .captionId = 1873, .unit = "T", .defaultText = "6", .caption = "Label22"},
    {.field = "Text1_5", .captionId = 1876, .unit = "T", .defaultText = "2", .caption = "Label56"},
    {.field = "Text1_6", .captionId = 1875, .unit = "mm", .defaultText = "11.94", .caption = "Label36"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::smallDiameter},
    {"Text1_2", &Inputs::largeDiameter},
    {"Text1_3", &Inputs::totalCoils},
    {"Text1_4", &Inputs::denseCoils},
    {"Text1_5", &Inputs::taperedCoils},
    {"Text1_6", &Inputs::densePitch},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1877, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text3", .captionId = 1878, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text4", .captionId = 1879, .caption = "Label19", .unit = "mm"},
};

const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::initialRate, "0.0000"},
    {"Text3", &Results::laterRate, "0.0000"},
    {"Text4", &Results::nodePosition, "0.0"},
};

} // namespace

Form74::Form74() : FormBase(QStringLiteral("Form74")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1083,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .side = varpitch::sketchWithContact(this, "small-pitch-end.svg")},
        [this] { calculate(); },
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({"Text2", "Text3", "Text4"});
        });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form74::calculate() {
    const double g = varpitch::shortListModulus(this);
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { smallpitch::compute(in, r); }, kShown);
}

SPIRELTA_REGISTER_FORM(Form74)
