#include "calc/noncoil/Form36.h"

#include "calc/noncoil/SpiralSpring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using spiral::DesignInputs;
using spiral::DesignResults;

const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm"},
    {.field = "Text1_1", .captionId = 1604, .unit = "N.mm"},
    {.field = "Text1_2", .captionId = 1605, .unit = "rad"},
    {.field = "Text1_3", .captionId = 1412, .unit = "N/mm2"},
};

const ui::InputField kResults[] = {
    {.field = "Text1_6", .captionId = 1627, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_7", .captionId = 1607, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_8", .captionId = 1603, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_9", .captionId = 1602, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_10", .captionId = 1606, .unit = "mm", .need = ui::Need::Plain},
    {.field = "Text1_4", .captionId = 1598, .unit = "圈", .need = ui::Need::Plain},
};

const ui::In<DesignInputs> kRead[] = {
    {"Text1_0", &DesignInputs::b},
    {"Text1_1", &DesignInputs::torque},
    {"Text1_2", &DesignInputs::angle},
    {"Text1_3", &DesignInputs::strength},
};

// In the order the boxes are written.
const ui::Out<DesignResults> kShow[] = {
    {"Text1_6", &DesignResults::thickness, "0.0"},   {"Text1_7", &DesignResults::length, "0.0"},
    {"Text1_8", &DesignResults::innerRadius, "0.0"}, {"Text1_9", &DesignResults::outerRadius, "0.0"},
    {"Text1_10", &DesignResults::pitch, "0.0"},      {"Text1_4", &DesignResults::freeTurns, "0.0"},
};

} // namespace

Form36::Form36() : FormBase(QStringLiteral("Form36")) {
    stripwin::build(
        this, {.titleId = 1061,
               .listsBefore = {{.combo = "Combo1", .captionId = 1646, .items = strip::steelNames()}},
               .inputs = kInputs,
               .listsAfter = {{.combo = "Combo2", .captionId = 1600, .items = strip::outerEndFixingNames()},
                              {.combo = "Combo3", .captionId = 2407, .items = strip::serviceLifeNames()}},
               .hintId = 1597,
               .results = kResults,
               .noteId = 1601,
               .picture = ":/pictures/noncoil/spiral.svg",
               .buttons = {{"Command1", 1357}, {"Command2", 1321}}});
    setText(QStringLiteral("Unit_Text1_4"), StringTable::text(1599));
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    // Indexes 0-4 and 6-10: Down counts the ten elements, so 9 and 10 wrap to 0.
    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Text1_7", "Command2", "Command1", "Text1_3", "Text1_2", "Text1_1",
                                       "Text1_0", "Text1_6", "Text1_8", "Text1_9", "Text1_10", "Combo1",
                                       "Combo2", "Combo3", "Text1_4"},
                          .down = ui::DownRule::ElementCount,
                          .reset =
                              [this] {
                                  ui::resetFields(this, kInputs);
                                  ui::resetFields(this, kResults);
                              }});
}

void Form36::calculate() {
    DesignInputs in;
    in.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    if (!ui::requireFilled(this, kInputs))
        return;
    in = ui::read(this, kRead, in);
    in.lifeFactor = strip::serviceLifeFactor(text(QStringLiteral("Combo3")));
    const strip::EndFixing fixing = strip::outerEndFixing(text(QStringLiteral("Combo2")));
    in.k1 = fixing.k1;
    in.k2 = fixing.k2;
    DesignResults r;
    ui::computeThenShow(
        this, [&] { spiral::design(in, r); }, r, kShow);
}

SPIRELTA_REGISTER_FORM(Form36)
