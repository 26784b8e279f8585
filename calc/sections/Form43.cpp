#include "calc/sections/Form43.h"

#include "calc/sections/RectangularTorsionSpring.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/SpringMaterials.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using rectangulartorsion::Inputs;
using rectangulartorsion::Results;

// The coil row's unit label has always read "mm".
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1672, .unit = "mm", .caption = "Label1_0", .unitName = "Label1_19"},
    {.field = "Text1_1", .captionId = 1671, .unit = "mm", .caption = "Label1_1", .unitName = "Label1_18"},
    {.field = "Text1_2", .captionId = 1332, .unit = "mm", .caption = "Label1_3", .unitName = "Label1_17"},
    {.field = "Text1_3", .captionId = 1480, .unit = "mm", .caption = "Label1_6", .unitName = "Label1_20"},
    {.field = "Text1_4", .captionId = 1496, .unit = "°", .caption = "Label1_5", .unitName = "Label1_16"},
    {.field = "Text1_5", .captionId = 1669, .unit = "mm", .caption = "Label1_7", .unitName = "Label1_21"},
};

// The array has no item 6: the results are items 7 to 9.
const ui::ResultRow kResults[] = {
    {.box = "Text1_7", .captionId = 1485, .caption = "Label1_10", .unit = "N.mm/°", .unitName = "Label1_12"},
    {.box = "Text1_8", .captionId = 1489, .caption = "Label1_11", .unit = "N.mm", .unitName = "Label1_13"},
    {.box = "Text1_9", .captionId = 1486, .caption = "Label1_26", .unit = "N", .unitName = "Label1_2"},
};

const char* const kTabOrder[] = {"Text1_0",  "Text1_1",  "Text1_2", "Text1_3", "Text1_4", "Text1_5",
                                 "Command1", "Command2", "Text1_7", "Text1_8", "Text1_9", "Combo1"};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::across}, {"Text1_1", &Inputs::along}, {"Text1_2", &Inputs::meanDiameter},
    {"Text1_3", &Inputs::coils},  {"Text1_4", &Inputs::angle}, {"Text1_5", &Inputs::arm},
};

const ui::Shown<Results> kShown[] = {
    {"Text1_7", &Results::angularRateN, "0.000000"},
    {"Text1_8", &Results::torqueN, "0.00"},
    {"Text1_9", &Results::forceN, "0.00"},
};

} // namespace

Form43::Form43() : FormBase(QStringLiteral("Form43")) {
    wiresection::build(
        this,
        {.captionId = 1097,
         .materialLabel = "Label1_4",
         .materials = shortMaterialList(ShortListOrder::TableFirst),
         .inputs = kInputs,
         .results = kResults,
         .focusFirstField = false,
         .fixedSize = true,
         .tabOrder = kTabOrder,
         .side = wiresection::picture(this, "rectangular-torsion.svg")},
        [this] { calculate(); }, [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form43::calculate() {
    Inputs start{};
    start.e = springMaterialModulus(SpringMaterialRows::Short, text(QStringLiteral("Combo1")), Modulus::E);
    // This window reads its inputs before it tests them.
    ui::calculate(this, kInputs, kRead, start, &rectangulartorsion::compute, kShown, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form43)
