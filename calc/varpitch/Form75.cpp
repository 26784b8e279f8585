#include "calc/varpitch/Form75.h"

#include "calc/varpitch/LargePitchConical.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using largepitch::Inputs;
using largepitch::Results;

// The reset keeps the tensile strength and the coefficient: they rarely change between springs.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "7",
     .messageId = 1333,
     .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1444, .unit = "mm", .defaultText = "40.6", .caption = "Label25"},
    {.field = "Text1_2", .captionId = 1445, .unit = "mm", .defaultText = "47", .caption = "Label3"},
    {.field = "Text1_3", .captionId = 1873, .unit = "T", .defaultText = "6", .caption = "Label7"},
    {.field = "Text1_4", .captionId = 1875, .unit = "mm", .defaultText = "11.5", .caption = "Label22"},
    {.field = "Text1_5", .captionId = 2429, .unit = "T", .defaultText = "7", .caption = "Label56"},
    {.field = "Text1_6", .captionId = 1876, .unit = "T", .defaultText = "1.8", .caption = "Label26"},
    {.field = "Text1_7", .captionId = 1863, .unit = "mm", .defaultText = "16.6", .caption = "Label36"},
    {.field = "Text1_8", .captionId = 1872, .unit = "mm", .defaultText = "23.5", .caption = "Label12"},
    {.field = "Text1_9", .captionId = 1862, .unit = "mm", .defaultText = "90.5", .caption = "Label35"},
    {.field = "Text1_10",
     .captionId = 1412,
     .defaultText = "1460",
     .onReset = ui::OnReset::Keep,
     .caption = "Label43"},
    {.field = "Text1_11",
     .captionId = 1440,
     .defaultText = "0.5",
     .onReset = ui::OnReset::Keep,
     .caption = "Label45"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::smallDiameter},
    {"Text1_2", &Inputs::largeDiameter},
    {"Text1_3", &Inputs::denseCoils},
    {"Text1_4", &Inputs::densePitch},
    {"Text1_5", &Inputs::sparseCoils},
    {"Text1_6", &Inputs::taperedCoils},
    {"Text1_7", &Inputs::sparsePitch},
    {"Text1_8", &Inputs::preloadDeflection},
    {"Text1_9", &Inputs::maxDeflection},
    {"Text1_10", &Inputs::tensileStrength},
    {"Text1_11", &Inputs::coefficient},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1867, .caption = "Label19", .unit = "N/mm"},
    {.box = "Text3", .captionId = 2430, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text4", .captionId = 2431, .caption = "Label30", .unit = "N/mm"},
    {.box = "Text10", .captionId = 2432, .caption = "Label38", .unit = "N/mm"},
    {.box = "Text14", .captionId = 1869, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text6", .captionId = 1369, .caption = "Label34", .unit = "mm"},
    {.box = "Text8", .captionId = 1859, .caption = "Label46", .unit = "Mpa"},
    {.box = "Text5",
     .captionId = 1866,
     .caption = "Label21",
     .unit = "N",
     .boxText = "()",
     .note = "Label49"},
    {.box = "Text7", .captionId = 1865, .caption = "Label27", .unit = "N", .boxText = "()", .note = "Label5"},
    {.box = "Text9",
     .captionId = 1864,
     .caption = "Label31",
     .unit = "N",
     .boxText = "()",
     .note = "Label50"},
    {.box = "Text13", .captionId = 1860, .caption = "Label42", .unit = "N"},
    {.box = "Label58", .captionId = 1856, .caption = "Label59", .verdict = true},
    {.box = "Label53", .captionId = 2428, .caption = "Label52", .verdict = true, .boxText = "OK/NG"},
    {.box = "Label13", .captionId = 2427, .caption = "Label14", .verdict = true},
};

const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::denseRate, "0.00"},
    {"Text3", &Results::sparseCylinderRate, "0.00"},
    {"Text4", &Results::sparseTaperRate, "0.00"},
    {"Text10", &Results::sparseRate, "0.00"},
    {"Text14", &Results::combinedRate, "0.00"},
    {"Text7", &Results::kneeLoad, "0.00"},
    {"Label5", &Results::kneeDeflection, "0.0", "(", "mm时)"},
    {"Label54", &Results::kneeLoad, "0.00", "", "N"},
    {"Text5", &Results::preload, "0.00"},
    {"Label49", &Results::preloadDeflection, "", "(", "mm时)"},
    {"Label29", &Results::preload, "0.00", "", "N"},
    {"Text9", &Results::workingLoad, "0.00"},
    {"Label50", &Results::maxDeflection, "", "(", "mm时)"},
    {"Label55", &Results::workingLoad, "0.00", "", "N"},
    {"Text6", &Results::freeHeight, "0.0"},
    {"Text13", &Results::testLoad, "0.00"},
    {"Text8", &Results::shearStress, "0.0"},
};

} // namespace

Form75::Form75() : FormBase(QStringLiteral("Form75")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1084,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .extraLabel = "Label51",
         .extraLabelId = 2149,
         .extraLabelBeside = "Text1_11",
         .side = varpitch::sketchAndDiagram(this, "large-pitch-end.svg", "Label29")},
        [this] { calculate(); }, [this] { reset(); });
    field(QStringLiteral("Text1_11"))->setToolTip(QStringLiteral("0.3~0.5"));
    ExcelWorkbookOpener::attachViewer(label(QStringLiteral("Label51")), QStringLiteral("/klqd.xls"));
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form75::calculate() {
    const double g = varpitch::shortListModulus(this);
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { largepitch::compute(in, r); }, kShown);
    varpitch::showVerdicts(this, r.verdicts);
}

void Form75::reset() {
    ui::resetFields(this, kInputs);
    clearFields({"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text13",
                 "Text14", "Label13", "Label58", "Label53", "Label49", "Label5", "Label50"});
    varpitch::resetDiagram(this, "Label29");
}

SPIRELTA_REGISTER_FORM(Form75)
