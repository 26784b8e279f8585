#include "calc/noncoil/Form38.h"

#include "calc/noncoil/StripDrumSpring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QComboBox>

namespace {

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm"},
    {.field = "Text1_1", .captionId = 1627, .unit = "mm"},
    {.field = "Text1_2", .captionId = 1626, .unit = "mm"},
};

const ui::InputField kResults[] = {
    {.field = "Text1_4", .captionId = 1624, .unit = "N", .need = ui::Need::Plain},
    {.field = "Text1_5", .captionId = 1625, .unit = "N/mm2", .need = ui::Need::Plain},
};

const ui::In<drum::Inputs> kRead[] = {
    {"Text1_0", &drum::Inputs::b},
    {"Text1_1", &drum::Inputs::h},
    {"Text1_2", &drum::Inputs::inner},
};

const ui::Out<drum::Results> kShow[] = {
    {"Text1_4", &drum::Results::load, "0.00"},
    {"Text1_5", &drum::Results::stress, "0.00"},
};

} // namespace

Form38::Form38() : FormBase(QStringLiteral("Form38")) {
    stripwin::build(this,
                    {.titleId = 1106,
                     .frames = true,
                     .listsBefore = {{.combo = "Combo1", .captionId = 1375, .items = strip::steelNames()}},
                     .inputs = kInputs,
                     .results = kResults,
                     .picture = ":/pictures/noncoil/constant-force.svg",
                     .buttons = {{"Command1", 1357}, {"Command2", 1321}, {"Command3", 1315}}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    // Indexes 0-2, 4 and 5: Down counts the five elements, so 4 and 5 wrap to 0.
    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Combo1", "Text1_0", "Text1_1", "Text1_2", "Text1_4", "Text1_5",
                                       "Command1", "Command2", "Command3"},
                          .down = ui::DownRule::ElementCount,
                          .exitButton = true});
}

void Form38::calculate() {
    drum::Inputs start;
    start.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &drum::constantForce, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form38)
