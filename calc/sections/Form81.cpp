#include "calc/sections/Form81.h"

#include "calc/sections/SquareCoilSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/Prompt.h"
#include "common/SpringMaterials.h"
#include "common/StringTable.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using squarecoil::Inputs;
using squarecoil::Results;

// The wire is named by text 1333 when it is missing, though its label shows 1815.
const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .messageId = 1333,
     .caption = "Label2_0",
     .unitName = "Label3_0"},
    {.field = "Text1_1", .captionId = 1904, .unit = "mm", .caption = "Label2_1", .unitName = "Label3_1"},
    {.field = "Text1_2", .captionId = 1903, .unit = "mm", .caption = "Label2_2", .unitName = "Label3_2"},
    {.field = "Text1_3", .captionId = 1373, .unit = "T", .caption = "Label2_7", .unitName = "Label3_3"},
    {.field = "Text1_4", .captionId = 1369, .unit = "mm", .caption = "Label2_8", .unitName = "Label3_4"},
    {.field = "Text1_5", .captionId = 2084, .unit = "mm", .caption = "Label2_3", .unitName = "Label3_5"},
    {.field = "Text1_6", .captionId = 2085, .unit = "mm", .caption = "Label2_4", .unitName = "Label3_6"},
};

// Each load shows in kgf and, on the same row, in N.
const ui::ResultRow kResults[] = {
    {.box = "Text2_0", .captionId = 1362, .caption = "Label4_0", .unit = "kgf/mm", .unitName = "Label4_1"},
    {.box = "Text2_1",
     .captionId = 2192,
     .caption = "Label4_2",
     .unit = "Kgf",
     .unitName = "Label4_3",
     .box2 = "Text2_3",
     .unit2 = "N",
     .unit2Name = "Label4_5"},
    {.box = "Text2_2",
     .captionId = 2191,
     .caption = "Label4_4",
     .unit = "kgf",
     .unitName = "Label4_6",
     .box2 = "Text2_4",
     .unit2 = "N",
     .unit2Name = "Label4_7"},
};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::length},
    {"Text1_2", &Inputs::width},
    {"Text1_3", &Inputs::activeCoils},
    {"Text1_4", &Inputs::freeHeight},
    {"Text1_5", &Inputs::firstHeight},
    {"Text1_6", &Inputs::secondHeight},
};

const ui::Shown<Results> kShown[] = {
    {"Text2_0", &Results::rate, "0.00"},    {"Text2_1", &Results::load1, "0.000"},
    {"Text2_3", &Results::load1N, "0.000"}, {"Text2_2", &Results::load2, "0.000"},
    {"Text2_4", &Results::load2N, "0.000"},
};

QWidget* picture(FormBase* form) {
    QGroupBox* frame = ui::makeFrame(form, QStringLiteral("Frame3"), 0);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(wiresection::picture(form, "square-coil.svg", "Image4"));
    return frame;
}

} // namespace

Form81::Form81() : FormBase(QStringLiteral("Form81")) {
    wiresection::build(
        this,
        {.captionId = 1100,
         .materialLabel = "Label1",
         .materialLabelId = 1375,
         .materials = shortMaterialList(ShortListOrder::TableFirst),
         .inputs = kInputs,
         .results = kResults,
         .inputFrameId = 1366,
         .exitButton = "Command3",
         .side = picture(this)},
        [this] { calculate(); }, [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form81::calculate() {
    Inputs start{};
    start.g = springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")));
    const std::optional<Results> r = ui::calculate(this, kInputs, kRead, start, &squarecoil::compute, kShown);
    if (r && !r->coilsFit)
        prompt::inform(this, StringTable::text(2405));
}

SPIRELTA_REGISTER_FORM(Form81)
