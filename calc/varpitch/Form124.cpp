#include "calc/varpitch/Form124.h"

#include "calc/varpitch/OvalCoil.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/Prompt.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using ovalcoil::Inputs;
using ovalcoil::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1333,
     .unit = "mm",
     .defaultText = "1.2",
     .caption = "Label1",
     .mark = "Label23_1"},
    {.field = "Text1_1",
     .captionId = 2087,
     .unit = "mm",
     .defaultText = "21",
     .caption = "Label3",
     .mark = "Label23_2"},
    {.field = "Text1_2",
     .captionId = 2086,
     .unit = "mm",
     .defaultText = "8",
     .caption = "Label5",
     .mark = "Label23_3"},
    {.field = "Text1_3",
     .captionId = 1373,
     .unit = "T",
     .defaultText = "37",
     .caption = "Label7",
     .mark = "Label23_4"},
    {.field = "Text1_4",
     .captionId = 1369,
     .unit = "mm",
     .defaultText = "340",
     .caption = "Label22",
     .unitName = "Label23_0",
     .mark = "Label23_5"},
    {.field = "Text1_5",
     .captionId = 2084,
     .unit = "mm",
     .defaultText = "220",
     .caption = "Label56",
     .mark = "Label23_6"},
    {.field = "Text1_6",
     .captionId = 2085,
     .unit = "mm",
     .defaultText = "48",
     .caption = "Label36",
     .mark = "Label23_7"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::largeDiameter},
    {"Text1_2", &Inputs::smallDiameter},
    {"Text1_3", &Inputs::activeCoils},
    {"Text1_4", &Inputs::freeHeight},
    {"Text1_5", &Inputs::firstHeight},
    {"Text1_6", &Inputs::secondHeight},
};

// Each load shows in gf and, on the same row, in N.
const ui::ResultRow kResults[] = {
    {.box = "Text6", .captionId = 1585, .caption = "Label11", .unit = "(N/mm)", .unitName = "Label25"},
    {.box = "Text7",
     .captionId = 2081,
     .caption = "Label19",
     .unit = "gf",
     .unitName = "Label32",
     .box2 = "Text2",
     .unit2Id = 2083,
     .unit2Name = "Label13"},
    {.box = "Text4",
     .captionId = 2082,
     .caption = "Label16",
     .unit = "gf",
     .unitName = "Label12",
     .box2 = "Text5",
     .unit2Id = 2083,
     .unit2Name = "Label15"},
};

const ui::Shown<Results> kShown[] = {
    {"Text6", &Results::rateN, "0.000"},  {"Text7", &Results::load1Gf, "0.000"},
    {"Text2", &Results::load1N, "0.000"}, {"Text4", &Results::load2Gf, "0.000"},
    {"Text5", &Results::load2N, "0.00"},
};

} // namespace

Form124::Form124() : FormBase(QStringLiteral("Form124")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1099,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::TableFirst),
         .inputMarks = true,
         .exitButton = "Command5",
         .inputHeading = "Label34_0",
         .resultHeading = "Label34_1",
         .resultHeadingId = 1936,
         .side = varpitch::springSketch(this, "oval-coil.svg")},
        [this] { calculate(); },
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({"Text2", "Text4", "Text5", "Text6", "Text7"});
        });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form124::calculate() {
    const double g = varpitch::shortListModulus(this);
    const auto r = varpitch::calculate(this, g, kInputs, kRead, &ovalcoil::compute, kShown);
    if (r && !r->coilsFit) {
        // The same fixed text in every language, as the message has always read.
        prompt::ask(this,
                    {QStringLiteral("SpireltaSpringV2024"), QStringLiteral("工作高度太低或者圈数太多！"),
                     PromptIcon::None, PromptButtons::Ok});
    }
}

SPIRELTA_REGISTER_FORM(Form124)
