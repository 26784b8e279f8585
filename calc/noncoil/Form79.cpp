#include "calc/noncoil/Form79.h"

#include "calc/noncoil/StripDrumSpring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm"},
    {.field = "Text1_1", .captionId = 1627, .unit = "mm"},
    {.field = "Text1_2", .captionId = 1626, .unit = "mm"},
    {.field = "Text1_3", .captionId = 1896, .unit = "mm"},
};

const ui::InputField kResults[] = {
    {.field = "Text1_4", .captionId = 1895, .unit = "N.mm", .need = ui::Need::Plain},
    {.field = "Text1_5", .captionId = 1625, .unit = "N/mm2", .need = ui::Need::Plain},
};

const ui::In<drum::Inputs> kRead[] = {
    {"Text1_0", &drum::Inputs::b},
    {"Text1_1", &drum::Inputs::h},
    {"Text1_2", &drum::Inputs::inner},
    {"Text1_3", &drum::Inputs::outputDrum},
};

const ui::Out<drum::Results> kShow[] = {
    {"Text1_4", &drum::Results::load, "0.00"},
    {"Text1_5", &drum::Results::stress, "0.00"},
};

} // namespace

Form79::Form79() : FormBase(QStringLiteral("Form79")) {
    stripwin::build(this,
                    {.titleId = 1107,
                     .frames = true,
                     .listsBefore = {{.combo = "Combo1", .captionId = 1375, .items = strip::steelNames()}},
                     .inputs = kInputs,
                     .results = kResults,
                     .picture = ":/pictures/noncoil/constant-torque.svg",
                     .buttons = {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Text1_3", "Text1_2", "Text1_1", "Text1_0", "Combo1", "Command3",
                                       "Command2", "Command1", "Text1_5", "Text1_4"},
                          .exitButton = true,
                          .firstField = "Text1_0"});
}

void Form79::calculate() {
    drum::Inputs start;
    start.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &drum::constantTorque, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form79)
