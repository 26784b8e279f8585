#include "calc/sections/Form70.h"

#include "calc/sections/TorsionBar.h"
#include "calc/sections/WireSectionFrame.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using torsionbar::Inputs;
using torsionbar::Results;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1835, .unit = "mm", .caption = "Label1", .unitName = "Label2"},
    {.field = "Text1_1", .captionId = 1834, .unit = "mm", .caption = "Label3", .unitName = "Label4"},
    {.field = "Text1_2", .captionId = 1833, .unit = "mm", .caption = "Label5", .unitName = "Label6"},
    {.field = "Text1_3", .captionId = 1832, .unit = "°", .caption = "Label7", .unitName = "Label8"},
};

// Two columns: Ip, Zt and P1 on the left, T1, Tmax and τ on the right.
const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1810, .caption = "Label10", .unit = "mm4", .unitName = "Label11"},
    {.box = "Text5", .captionId = 1828, .caption = "Label16", .unit = "N.mm/°", .unitName = "Label17"},
    {.box = "Text3", .captionId = 1830, .caption = "Label12", .unit = "mm3", .unitName = "Label13"},
    {.box = "Text6", .captionId = 1827, .caption = "Label18", .unit = "N.mm", .unitName = "Label19"},
    {.box = "Text4", .captionId = 1829, .caption = "Label14", .unit = "N.mm", .unitName = "Label15"},
    {.box = "Text7", .captionId = 1826, .caption = "Label20", .unit = "Mpa", .unitName = "Label21"},
};

// The list comes first, so it has the focus when the window opens.
const char* const kTabOrder[] = {"Combo1",   "Text1_0",  "Text1_1",  "Text1_2", "Text1_3",
                                 "Command1", "Command2", "Command3", "Text2",   "Text3",
                                 "Text4",    "Text5",    "Text6",    "Text7"};

const ui::In<Inputs> kRead[] = {
    {"Text1_0", &Inputs::d},
    {"Text1_1", &Inputs::length},
    {"Text1_2", &Inputs::arm},
    {"Text1_3", &Inputs::maxAngle},
};

const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::polarMoment, "0.00"},  {"Text3", &Results::sectionModulus, "0.00"},
    {"Text4", &Results::armStiffness, "0.00"}, {"Text5", &Results::angularStiffness, "0.00"},
    {"Text6", &Results::maxTorque, "0.00"},    {"Text7", &Results::shearStress, "0.00"},
};

} // namespace

Form70::Form70() : FormBase(QStringLiteral("Form70")) {
    wiresection::build(
        this,
        {.captionId = 1115,
         .materialLabel = "Label9",
         .materialLabelId = 1831,
         .materials = torsionbar::materialNames(),
         .inputs = kInputs,
         .results = kResults,
         .resultColumns = 2,
         .inputFrameId = 1366,
         .exitButton = "Command3",
         .focusFirstField = false,
         .fixedSize = true,
         .tabOrder = kTabOrder,
         .side = wiresection::picture(this, "torsion-bar.svg")},
        [this] { calculate(); }, [this] { clearFields(ui::fieldNames(kInputs) + ui::shownNames(kShown)); });
    declare(ui::controlNames(kRead) + ui::shownNames(kShown));
}

void Form70::calculate() {
    Inputs start{};
    start.g = torsionbar::materialModulus(text(QStringLiteral("Combo1")));
    // This window reads its inputs before it tests them.
    ui::calculate(this, kInputs, kRead, start, &torsionbar::compute, kShown, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form70)
