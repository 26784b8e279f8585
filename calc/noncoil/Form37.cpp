#include "calc/noncoil/Form37.h"

#include "calc/noncoil/Mainspring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

using mainspring::DesignInputs;
using mainspring::DesignResults;

// The label controls carry other Indexes than the fields beside them.
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 1628, .unit = "mm", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1619, .unit = "N.mm", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1617, .unit = "N.mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1618, .unit = "圈", .caption = "Label1_2"},
    {.field = "Text1_4", .captionId = 1412, .caption = "Label1_6"},
};

const ui::InputField kLeftResults[] = {
    {.field = "Text1_5", .captionId = 1620, .unit = "N.mm", .need = ui::Need::Plain, .caption = "Label1_8"},
    {.field = "Text1_8", .captionId = 1621, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_9"},
    {.field = "Text1_9", .captionId = 1622, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_10"},
    {.field = "Text1_10", .captionId = 1615, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_21"},
    {.field = "Text1_11", .captionId = 1614, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_23"},
    {.field = "Text1_12", .captionId = 1613, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_25"},
};

const ui::InputField kRightResults[] = {
    {.field = "Text1_6", .captionId = 1627, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_4"},
    {.field = "Text1_7", .captionId = 1616, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_7"},
    {.field = "Text1_13", .captionId = 1612, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_28"},
    {.field = "Text1_14", .captionId = 1611, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_29"},
    {.field = "Text1_15", .captionId = 1610, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_31"},
    {.field = "Text1_16", .captionId = 1609, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_33"},
    {.field = "Text1_17", .captionId = 1608, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_35"},
};

const ui::In<DesignInputs> kRead[] = {
    {"Text1_0", &DesignInputs::b},         {"Text1_1", &DesignInputs::minTorque},
    {"Text1_2", &DesignInputs::maxTorque}, {"Text1_3", &DesignInputs::turns},
    {"Text1_4", &DesignInputs::strength},
};

// Each result is written right after its own step.
const ui::Out<DesignResults> kShow[] = {
    {"Text1_5", &DesignResults::theoreticalTorque, "0.00"}, {"Text1_6", &DesignResults::thickness, "0.0"},
    {"Text1_7", &DesignResults::arborRadius, "0.0"},        {"Text1_8", &DesignResults::workingLength, "0.0"},
    {"Text1_9", &DesignResults::innerEnd, "0.0"},           {"Text1_10", &DesignResults::outerEnd, "0.0"},
    {"Text1_11", &DesignResults::totalLength, "0.0"},       {"Text1_12", &DesignResults::barrelRadius, "0.0"},
    {"Text1_13", &DesignResults::maxTurns, "0.0"},          {"Text1_14", &DesignResults::woundTurns, "0.0"},
    {"Text1_15", &DesignResults::windingTurns, "0.0"},      {"Text1_16", &DesignResults::freeTurns, "0.0"},
    {"Text1_17", &DesignResults::releasedTurns, "0.0"},
};

} // namespace

Form37::Form37() : FormBase(QStringLiteral("Form37")) {
    stripwin::build(this, {.titleId = 1062,
                           .listsBefore = {{.combo = "Combo1",
                                            .captionId = 1375,
                                            .captionName = "Label1_5",
                                            .items = strip::steelNames()}},
                           .inputs = kInputs,
                           .hintId = 1597,
                           .results = kLeftResults,
                           .results2 = kRightResults,
                           .picture = ":/pictures/noncoil/mainspring.svg",
                           .buttons = {{"Command1", 1357}, {"Command2", 1321}}});
    for (const char* unit : {"Unit_Text1_3", "Unit_Text1_13", "Unit_Text1_14", "Unit_Text1_15",
                             "Unit_Text1_16", "Unit_Text1_17"})
        setText(QString::fromLatin1(unit), StringTable::text(1599));
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Text1_9",  "Text1_8",  "Text1_6",  "Text1_0",  "Text1_1",  "Text1_2",
                                       "Text1_3",  "Text1_4",  "Text1_5",  "Command1", "Command2", "Text1_7",
                                       "Combo1",   "Text1_10", "Text1_11", "Text1_12", "Text1_13", "Text1_14",
                                       "Text1_15", "Text1_16", "Text1_17"}});
}

void Form37::calculate() {
    DesignInputs start;
    start.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &mainspring::design, kShow, ui::Reading::BeforeTest);
}

SPIRELTA_REGISTER_FORM(Form37)
