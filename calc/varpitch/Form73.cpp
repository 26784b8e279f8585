#include "calc/varpitch/Form73.h"

#include "calc/varpitch/TwoRateSpring.h"
#include "calc/varpitch/VarPitchWindow.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/FormRegistry.h"
#include "platform/ExcelWorkbookOpener.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using tworate::Inputs;
using tworate::Results;

// The wire diameter's label reads 1815, while a missing value is reported with 1333.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "6",
     .messageId = 1333,
     .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .defaultText = "55", .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1873, .unit = "T", .defaultText = "2", .caption = "Label7"},
    {.field = "Text1_3", .captionId = 1875, .unit = "mm", .defaultText = "10", .caption = "Label22"},
    {.field = "Text1_4", .captionId = 1861, .unit = "T", .defaultText = "6", .caption = "Label56"},
    {.field = "Text1_5", .captionId = 1863, .unit = "mm", .defaultText = "21.6", .caption = "Label36"},
    {.field = "Text1_6", .captionId = 1872, .unit = "mm", .defaultText = "7", .caption = "Label12"},
    {.field = "Text1_7", .captionId = 1862, .unit = "mm", .defaultText = "65", .caption = "Label35"},
    {.field = "Text1_8", .captionId = 1412, .unit = "Mpa", .defaultText = "1460", .caption = "Label43"},
    {.field = "Text1_9", .captionId = 1440, .defaultText = "0.5", .caption = "Label45"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::meanDiameter},
    {"Text1_2", &Inputs::denseCoils},
    {"Text1_3", &Inputs::densePitch},
    {"Text1_4", &Inputs::sparseCoils},
    {"Text1_5", &Inputs::sparsePitch},
    {"Text1_6", &Inputs::preloadDeflection},
    {"Text1_7", &Inputs::maxDeflection},
    {"Text1_8", &Inputs::tensileStrength},
    {"Text1_9", &Inputs::coefficient},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1869, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text3", .captionId = 1868, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text4", .captionId = 1867, .caption = "Label19", .unit = "N/mm"},
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
    {.box = "Text10", .captionId = 1369, .caption = "Label34", .unit = "mm"},
    {.box = "Text13", .captionId = 1860, .caption = "Label42", .unit = "N"},
    {.box = "Text14", .captionId = 1859, .caption = "Label46", .unit = "Mpa"},
    {.box = "Label58", .captionId = 1856, .caption = "Label59", .verdict = true},
    {.box = "Label53", .captionId = 2428, .caption = "Label52", .verdict = true, .boxText = "OK/NG"},
    {.box = "Label13", .captionId = 2427, .caption = "Label14", .verdict = true},
};

// In the order the calculation writes them.
const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::combinedRate, "0.00"},
    {"Text3", &Results::sparseRate, "0.00"},
    {"Text4", &Results::denseRate, "0.00"},
    {"Text7", &Results::kneeLoad, "0.00"},
    {"Label5", &Results::kneeDeflection, "0.0", "(", "mm时)"},
    {"Label54", &Results::kneeLoad, "0.00", "", "N"},
    {"Text5", &Results::preload, "0.00"},
    {"Label49", &Results::preloadDeflection, "", "(", "mm时)"},
    {"Label25", &Results::preload, "0.00", "", "N"},
    {"Text9", &Results::workingLoad, "0.00"},
    {"Label50", &Results::maxDeflection, "", "(", "mm时)"},
    {"Label55", &Results::workingLoad, "0.00", "", "N"},
    {"Text10", &Results::freeHeight, "0.0"},
    {"Text13", &Results::testLoad, "0.00"},
    {"Text14", &Results::shearStress, "0.0"},
};

} // namespace

Form73::Form73() : FormBase(QStringLiteral("Form73")) {
    ui::buildArrayCalculator(
        this,
        {.captionId = 1081,
         .inputs = kInputs,
         .results = kResults,
         .materials = shortMaterialList(ShortListOrder::Steels),
         .extraLabel = "Label51",
         .extraLabelId = 2149,
         .extraLabelBeside = "Text1_9",
         .side = varpitch::sketchAndDiagram(this, "two-rate.svg", "Label25")},
        [this] { calculate(); }, [this] { reset(); });
    field(QStringLiteral("Text1_9"))->setToolTip(QStringLiteral("0.3~0.5"));
    ExcelWorkbookOpener::attachViewer(label(QStringLiteral("Label51")), QStringLiteral("/klqd.xls"));
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form73::calculate() {
    const double g = varpitch::shortListModulus(this);
    if (!ui::requireFilled(this, kInputs))
        return;
    Inputs in = ui::read(this, kRead);
    in.g = g;
    Results r;
    ui::computeAndShow(
        this, r, [&] { tworate::compute(in, r); }, kShown);
    varpitch::showVerdicts(this, r.verdicts);
}

void Form73::reset() {
    ui::resetFields(this, kInputs);
    clearFields({"Text2", "Text3", "Text4", "Text5", "Text7", "Text9", "Text10", "Text13", "Text14",
                 "Label13", "Label58", "Label53", "Label49", "Label5", "Label50"});
    varpitch::resetDiagram(this, "Label25");
}

SPIRELTA_REGISTER_FORM(Form73)
