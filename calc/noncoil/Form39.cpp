#include "calc/noncoil/Form39.h"

#include "calc/noncoil/StripWindowLayout.h"
#include "calc/noncoil/ThinStrip.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using thinstrip::CurledInputs;
using thinstrip::CurledResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1636, .unit = "mm", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1635, .unit = "mm", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1634, .unit = "mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1637, .unit = "mm", .caption = "Label1_6"},
    {.field = "Text1_4", .captionId = 1638, .unit = "mm", .caption = "Label1_8"},
    {.field = "Text1_5", .captionId = 1632, .unit = "mm", .caption = "Label1_5"},
};

const ui::InputField kLeftResults[] = {
    {.field = "Text1_6", .need = ui::Need::Plain, .caption = "Label1_7"},
    {.field = "Text1_7", .need = ui::Need::Plain, .caption = "Label1_11"},
    {.field = "Text1_8", .captionId = 1631, .unit = "g", .need = ui::Need::Plain, .caption = "Label1_9"},
};

const ui::InputField kRightResults[] = {
    {.field = "Text1_9",
     .captionId = 1630,
     .unit = "gf/mm2",
     .need = ui::Need::Plain,
     .caption = "Label1_10"},
    {.field = "Text1_10", .captionId = 1556, .unit = "%", .need = ui::Need::Plain, .caption = "Label1_12"},
};

const ui::In<CurledInputs> kRead[] = {
    {"Text1_0", &CurledInputs::t},     {"Text1_1", &CurledInputs::b},      {"Text1_2", &CurledInputs::loaded},
    {"Text1_3", &CurledInputs::fixed}, {"Text1_4", &CurledInputs::radius}, {"Text1_5", &CurledInputs::stroke},
};

// The percentage is shown as the single it is held in.
const ui::Out<CurledResults> kShow[] = {
    {"Text1_6", &CurledResults::ratio1, "0.0000"}, {"Text1_7", &CurledResults::ratio2, "0.0000"},
    {"Text1_8", &CurledResults::load, "0.00"},     {"Text1_9", &CurledResults::stress, "0.00"},
    {"Text1_10", &CurledResults::safety, "0.00"},
};

} // namespace

Form39::Form39() : FormBase(QStringLiteral("Form39")) {
    stripwin::build(this, {.titleId = 1112,
                           .listsBefore = {{.combo = "Combo1",
                                            .captionId = 1646,
                                            .captionName = "Label1_4",
                                            .items = thinstrip::materialNames()}},
                           .inputs = kInputs,
                           .results = kLeftResults,
                           .results2 = kRightResults,
                           .picture = ":/pictures/noncoil/curled-plate.svg",
                           .buttons = {{"Command1", 1357}, {"Command2", 1321}},
                           .fixedCaptions = {{"Label1_7", "R1(L1/R)："}, {"Label1_11", "R2(L2/R)："}}});
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(
        this, {.calculate = [this] { calculate(); },
               .tabOrder = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Command1",
                            "Command2", "Text1_6", "Text1_7", "Text1_8", "Text1_9", "Text1_10", "Combo1"}});
}

// The compression wizard's test deflection is not written here: it is a length in mm that
// belongs to the wizard, and a percentage stored there would be wrong data.
void Form39::calculate() {
    CurledInputs start;
    start.m = thinstrip::material(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &thinstrip::curled, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form39)
