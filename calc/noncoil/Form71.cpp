#include "calc/noncoil/Form71.h"

#include "calc/noncoil/SpiralSpring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using spiral::CheckInputs;
using spiral::CheckResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm"},
    {.field = "Text1_1", .captionId = 1627, .unit = "mm"},
    {.field = "Text1_2", .captionId = 1670, .unit = "°"},
    {.field = "Text1_3", .captionId = 1834, .unit = "mm"},
    {.field = "Text1_4", .captionId = 1412, .unit = "N/mm2"},
};

// The two stiffness labels write the prime as a grave accent ("T`").
const ui::InputField kResults[] = {
    {.field = "Text1_6", .captionId = 1839, .unit = "N.mm/°", .need = ui::Need::Plain},
    {.field = "Text1_7", .captionId = 1841, .unit = "N.mm/°", .need = ui::Need::Plain},
    {.field = "Text1_8", .captionId = 1838, .unit = "N.mm", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1837, .unit = "N.mm", .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1840, .unit = "N.mm", .need = ui::Need::Plain},
    {.field = "Text1_12", .captionId = 1836, .unit = "N.mm", .need = ui::Need::Plain},
    {.field = "Text1_5", .captionId = 1842, .unit = "°", .need = ui::Need::Plain},
    {.field = "Text1_11", .captionId = 1843, .unit = "°", .need = ui::Need::Plain},
};

const ui::In<CheckInputs> kRead[] = {
    {"Text1_0", &CheckInputs::b},      {"Text1_1", &CheckInputs::h},        {"Text1_2", &CheckInputs::angle},
    {"Text1_3", &CheckInputs::length}, {"Text1_4", &CheckInputs::strength},
};

const ui::Out<CheckResults> kShow[] = {
    {"Text1_6", &CheckResults::stiffnessCore, "0.0000"},
    {"Text1_7", &CheckResults::stiffnessOuter, "0.0000"},
    {"Text1_8", &CheckResults::torqueCore, "0.0000"},
    {"Text1_9", &CheckResults::torqueOuter, "0.0000"},
    {"Text1_10", &CheckResults::limitTorqueCore, "0.0000"},
    {"Text1_12", &CheckResults::limitTorqueOuter, "0.0000"},
    {"Text1_5", &CheckResults::limitAngleCore, "0.0000"},
    {"Text1_11", &CheckResults::limitAngleOuter, "0.0000"},
};

} // namespace

Form71::Form71() : FormBase(QStringLiteral("Form71")) {
    stripwin::build(
        this,
        {.titleId = 1103,
         .frames = true,
         .listsBefore = {{.combo = "Combo1", .captionId = 1646, .items = strip::steelNames()}},
         .inputs = kInputs,
         .listsAfter = {{.combo = "Combo3", .captionId = 2407, .items = strip::fixedServiceLifeTexts()}},
         .hintId = 1597,
         .results = kResults,
         .noteId = 1844,
         .picture = ":/pictures/noncoil/spiral.svg",
         .buttons = {{"Command1", 1357}, {"Command2", 1321}}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Text1_4", "Combo3", "Combo1", "Command2", "Command1", "Text1_3",
                                       "Text1_2", "Text1_1", "Text1_0", "Text1_11", "Text1_5", "Text1_7",
                                       "Text1_6", "Text1_8", "Text1_9", "Text1_10", "Text1_12"}});
}

void Form71::calculate() {
    CheckInputs start;
    start.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    start.lifeFactor = strip::fixedServiceLifeFactor(text(QStringLiteral("Combo3")));
    ui::calculate(this, kInputs, kRead, start, &spiral::check, kShow);
}

SPIRELTA_REGISTER_FORM(Form71)
