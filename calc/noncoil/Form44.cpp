#include "calc/noncoil/Form44.h"

#include "calc/noncoil/StripWindowLayout.h"
#include "calc/noncoil/ThinStrip.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using thinstrip::CantileverInputs;
using thinstrip::CantileverResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1627, .unit = "mm", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1677, .unit = "mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1678, .unit = "mm", .caption = "Label1_6"},
};

// The load row shows the load in gf, "gf=", then in N.
const ui::InputField kLeftResults[] = {
    {.field = "Text1_4", .captionId = 1676, .unit = "mm4", .need = ui::Need::Plain, .caption = "Label1_5"},
    {.field = "Text1_5", .captionId = 1675, .unit = "mm3", .need = ui::Need::Plain, .caption = "Label1_7"},
    {.field = "Text1_6", .captionId = 1585, .unit = "g/mm", .need = ui::Need::Plain, .caption = "Label1_9"},
    {.field = "Text1_7", .captionId = 1594, .unit = "gf=", .need = ui::Need::Plain, .caption = "Label1_10"},
    {.field = "Text1_8", .unit = "N", .need = ui::Need::Plain},
};

const ui::InputField kRightResults[] = {
    {.field = "Text1_9",
     .captionId = 1630,
     .unit = "Kg/mm2",
     .need = ui::Need::Plain,
     .caption = "Label1_11"},
    {.field = "Text1_10", .captionId = 1556, .unit = "%", .need = ui::Need::Plain, .caption = "Label1_26"},
};

const ui::In<CantileverInputs> kRead[] = {
    {"Text1_0", &CantileverInputs::b},
    {"Text1_1", &CantileverInputs::h},
    {"Text1_2", &CantileverInputs::length},
    {"Text1_3", &CantileverInputs::deflection},
};

const ui::Out<CantileverResults> kShow[] = {
    {"Text1_4", &CantileverResults::inertia, "0.0000"},    {"Text1_5", &CantileverResults::modulus, "0.0000"},
    {"Text1_6", &CantileverResults::rate, "0.0000"},       {"Text1_7", &CantileverResults::load, "0.0000"},
    {"Text1_8", &CantileverResults::loadNewton, "0.0000"}, {"Text1_9", &CantileverResults::stress, "0.0000"},
    {"Text1_10", &CantileverResults::safety, "0.0000"},
};

} // namespace

Form44::Form44() : FormBase(QStringLiteral("Form44")) {
    stripwin::build(this, {.titleId = 1114,
                           .listsBefore = {{.combo = "Combo1",
                                            .captionId = 1646,
                                            .captionName = "Label1_4",
                                            .items = thinstrip::materialNames()}},
                           .inputs = kInputs,
                           .results = kLeftResults,
                           .results2 = kRightResults,
                           .picture = ":/pictures/noncoil/cantilever-strip.svg",
                           .buttons = {{"Command1", 1357}, {"Command2", 1321}},
                           .sameRow = {"Text1_8"}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(
        this, {.calculate = [this] { calculate(); },
               .tabOrder = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Command1",
                            "Command2", "Text1_6", "Text1_7", "Text1_8", "Text1_9", "Text1_10", "Combo1"}});
}

void Form44::calculate() {
    CantileverInputs start;
    start.m = thinstrip::material(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &thinstrip::cantilever, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form44)
