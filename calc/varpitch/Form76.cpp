#include "calc/varpitch/Form76.h"

#include "calc/varpitch/BarrelMiddle.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using barrelmiddle::Inputs;
using barrelmiddle::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1815, .unit = "mm", .defaultText = "6.5", .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1883, .unit = "mm", .defaultText = "36", .caption = "Label5"},
    {.field = "Text1_2", .captionId = 1882, .unit = "mm", .defaultText = "29.5", .caption = "Label3"},
    {.field = "Text1_3", .captionId = 1884, .unit = "mm", .defaultText = "39.5", .caption = "Label7"},
    {.field = "Text1_4", .captionId = 1880, .unit = "T", .defaultText = "2", .caption = "Label22"},
    {.field = "Text1_5", .captionId = 1873, .unit = "T", .defaultText = "6.8", .caption = "Label56"},
    {.field = "Text1_6", .captionId = 1881, .unit = "T", .defaultText = "1", .caption = "Label12"},
    {.field = "Text1_7", .captionId = 1874, .unit = "T", .defaultText = "15.8", .caption = "Label36"},
    {.field = "Text1_8", .captionId = 1875, .unit = "mm", .defaultText = "10", .caption = "Label14"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::denseEndDiameter},
    {"Text1_2", &Inputs::sparseEndDiameter},
    {"Text1_3", &Inputs::middleDiameter},
    {"Text1_4", &Inputs::sparseTaperedCoils},
    {"Text1_5", &Inputs::denseCoils},
    {"Text1_6", &Inputs::denseTaperedCoils},
    {"Text1_7", &Inputs::totalCoils},
    {"Text1_8", &Inputs::densePitch},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1877, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text3", .captionId = 1878, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text4", .captionId = 1879, .caption = "Label19", .unit = "mm"},
};

// K2 is known before K1 and is written first.
const ui::Shown<Results> kShown[] = {
    {"Text3", &Results::laterRate, "0.0000"},
    {"Text2", &Results::initialRate, "0.0000"},
    {"Text4", &Results::nodePosition, "0.0"},
};

} // namespace

Form76::Form76() : FormBase(QStringLiteral("Form76")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1085,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .side = varpitch::sketchWithContact(this, "barrel-middle.svg")},
        [this] { calculate(); },
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({"Text2", "Text3", "Text4"});
        });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form76::calculate() {
    const double g = varpitch::shortListModulus(this);
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { barrelmiddle::compute(in, r); }, kShown);
}

SPIRELTA_REGISTER_FORM(Form76)
