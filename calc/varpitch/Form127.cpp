#include "calc/varpitch/Form127.h"

#include "calc/varpitch/CoilCountDesign.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"

namespace {

using coilcount::Inputs;
using coilcount::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1333,
     .unit = "mm",
     .defaultText = "4.5",
     .caption = "Label1",
     .unitName = "Label2"},
    {.field = "Text1_1",
     .captionId = 1332,
     .unit = "mm",
     .defaultText = "22.2",
     .caption = "Label3",
     .unitName = "Label4"},
    {.field = "Text1_2",
     .captionId = 2115,
     .unit = "mm",
     .defaultText = "140",
     .caption = "Label56",
     .unitName = "Label6"},
    {.field = "Text1_3",
     .captionId = 2118,
     .unit = "N",
     .defaultText = "735",
     .caption = "Label36",
     .unitName = "Label57"},
    {.field = "Text1_4",
     .captionId = 2119,
     .unit = "mm",
     .defaultText = "145",
     .caption = "Label12",
     .unitName = "Label23"},
    {.field = "Text1_5",
     .captionId = 2120,
     .unit = "N",
     .defaultText = "774.2",
     .caption = "Label35",
     .unitName = "Label11"},
    {.field = "Text1_6",
     .captionId = 2121,
     .unit = "mm",
     .defaultText = "180",
     .caption = "Label7",
     .unitName = "Label10"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::meanDiameter},
    {"Text1_2", &Inputs::closingDeflection},
    {"Text1_3", &Inputs::closingLoad},
    {"Text1_4", &Inputs::workingDeflection},
    {"Text1_5", &Inputs::workingLoad},
    {"Text1_6", &Inputs::limitDeflection},
};

// The totals on top, then the dense part on the left and the sparse part on the right.
const ui::ResultRow kResults[] = {
    {.box = "Text8", .captionId = 2105, .caption = "Label26", .unit = "T"},
    {.box = "Text9", .captionId = 2110, .caption = "Label25", .unit = "T"},
    {.captionId = 2107, .caption = "Label34"},
    {.captionId = 2106, .caption = "Label42"},
    {.box = "Text2", .captionId = 2113, .caption = "Label15", .unit = "T"},
    {.box = "Text5", .captionId = 2113, .caption = "Label21", .unit = "T"},
    {.box = "Text3", .captionId = 2112, .caption = "Label17", .unit = "mm"},
    {.box = "Text6", .captionId = 2112, .caption = "Label27", .unit = "mm"},
    {.box = "Text4", .captionId = 2111, .caption = "Label19", .unit = "mm"},
    {.box = "Text7", .captionId = 2111, .caption = "Label31", .unit = "mm"},
};

const ui::Shown<Results> kShown[] = {
    {"Text8", &Results::activeCoils, "0.0"},  {"Text9", &Results::totalCoils},
    {"Text5", &Results::sparseCoils, "0.0"},  {"Text2", &Results::denseCoils, "0.0"},
    {"Text6", &Results::sparsePitch, "0.0"},  {"Label14", &Results::sparsePitch, "0.0"},
    {"Text3", &Results::densePitch, "0.0"},   {"Label13", &Results::densePitch, "0.0"},
    {"Text4", &Results::denseLength, "0.0"},  {"Label8", &Results::denseLength, "0.0", "", "mm"},
    {"Text7", &Results::sparseLength, "0.0"}, {"Label5", &Results::sparseLength, "0.0", "", "mm"},
};

} // namespace

Form127::Form127() : FormBase(QStringLiteral("Form127")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1063,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::TableFirst),
         .side = varpitch::springSketch(this, "coil-count.svg",
                                        {{"Label14", "?", 1500, 700},
                                         {"Label13", "?", 1500, 2500},
                                         {"Label8", "?", 100, 2500},
                                         {"Label5", "?", 100, 900}})},
        [this] { calculate(); },
        // The sketch labels keep the last pitches and lengths.
        [this] {
            ui::resetFields(this, kInputs);
            clearFields({"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"});
        });
    for (const ui::InputField& f : kInputs)
        setText(f.unitLabelName(),
                StringTable::text(QLatin1String(f.unit) == QLatin1String("N") ? 2114 : 2116));
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form127::calculate() {
    // The list holds G in N/mm² for this window.
    const double g = springMaterialModulus(SpringMaterialRows::ShortNewton, text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { coilcount::compute(in, r); }, kShown);
}

SPIRELTA_REGISTER_FORM(Form127)
