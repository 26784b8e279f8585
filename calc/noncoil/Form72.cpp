#include "calc/noncoil/Form72.h"

#include "calc/noncoil/Mainspring.h"
#include "calc/noncoil/StripSteel.h"
#include "calc/noncoil/StripWindowLayout.h"
#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/CalculatorLayout.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

#include <QLabel>
#include <QLayout>

namespace {

using mainspring::CheckInputs;
using mainspring::CheckResults;

// Width and thickness are labelled (a) and (b), while their messages name them (b) and (h).
const ui::InputField kInputs[] = {
    {.field = "Text1_0", .captionId = 2435, .unit = "mm", .messageId = 1628, .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 2434, .unit = "mm", .messageId = 1627, .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1852, .unit = "mm", .caption = "Label1_3"},
    {.field = "Text1_3", .captionId = 1851, .unit = "mm", .caption = "Label1_2"},
    {.field = "Text1_4", .captionId = 1412, .caption = "Label1_6"},
};

const ui::InputField kLeftResults[] = {
    {.field = "Text1_5", .captionId = 1850, .unit = "N.mm", .need = ui::Need::Plain, .caption = "Label1_8"},
    {.field = "Text1_6", .captionId = 1853, .unit = "N.mm", .need = ui::Need::Plain, .caption = "Label1_4"},
    {.field = "Text1_7", .captionId = 1854, .unit = "N.mm", .need = ui::Need::Plain, .caption = "Label1_7"},
    {.field = "Text1_8", .captionId = 1849, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_10"},
};

const ui::InputField kRightResults[] = {
    {.field = "Text1_9", .captionId = 1846, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_32"},
    {.field = "Text1_10", .captionId = 1362, .unit = "N.mm", .need = ui::Need::Plain, .caption = "Label1_9"},
    {.field = "Text1_11", .captionId = 1845, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_33"},
    {.field = "Text1_12", .captionId = 1848, .unit = "mm", .need = ui::Need::Plain, .caption = "Label1_22"},
    {.field = "Text1_13", .captionId = 1847, .unit = "圈", .need = ui::Need::Plain, .caption = "Label1_24"},
};

const ui::In<CheckInputs> kRead[] = {
    {"Text1_0", &CheckInputs::b},     {"Text1_1", &CheckInputs::h},        {"Text1_2", &CheckInputs::barrel},
    {"Text1_3", &CheckInputs::arbor}, {"Text1_4", &CheckInputs::strength},
};

const ui::Out<CheckResults> kShow[] = {
    {"Text1_5", &CheckResults::limitTorque, "0.000"},   {"Text1_6", &CheckResults::maxTorque, "0.000"},
    {"Text1_7", &CheckResults::minTorque, "0.000"},     {"Text1_8", &CheckResults::effectiveLength, "0.00"},
    {"Text1_9", &CheckResults::totalLength, "0.00"},    {"Text1_10", &CheckResults::torquePerTurn, "0.000"},
    {"Text1_11", &CheckResults::woundDiameter, "0.00"}, {"Text1_12", &CheckResults::releasedDiameter, "0.00"},
    {"Text1_13", &CheckResults::turns, "0.00"},
};

} // namespace

Form72::Form72() : FormBase(QStringLiteral("Form72")) {
    // The material label is a fixed text of the window, the same in every language.
    stripwin::build(this, {.titleId = 1105,
                           .listsBefore = {{.combo = "Combo1",
                                            .fixedCaption = "弹簧材料：",
                                            .captionName = "Label1_5",
                                            .items = strip::steelNames()}},
                           .inputs = kInputs,
                           .hintId = 1597,
                           .results = kLeftResults,
                           .results2 = kRightResults,
                           .picture = ":/pictures/noncoil/mainspring.svg",
                           .buttons = {{"Command1", 1357}, {"Command2", 1321}}});
    QWidget* inputArea = field(QStringLiteral("Text1_3"))->parentWidget();
    inputArea->layout()->addWidget(ui::makeLabel(inputArea, QStringLiteral("Label1_11"), 1855));
    setText(QStringLiteral("Unit_Text1_13"), StringTable::text(1599));
    declare(ui::controlNames(kRead) + ui::controlNames(kShow));

    stripwin::wire(this, {.calculate = [this] { calculate(); },
                          .tabOrder = {"Text1_7", "Command2", "Command1", "Text1_5", "Text1_4", "Text1_3",
                                       "Text1_2", "Text1_1", "Text1_0", "Text1_6", "Text1_8", "Text1_9",
                                       "Combo1", "Text1_10", "Text1_11", "Text1_12", "Text1_13"}});
}

void Form72::calculate() {
    CheckInputs start;
    start.e = strip::steelModulus(text(QStringLiteral("Combo1")));
    ui::calculate(this, kInputs, kRead, start, &mainspring::check, kShow);
}

SPIRELTA_REGISTER_FORM(Form72)
