#include "calc/cost/Form42.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/ShaftCost.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "platform/WindowCommands.h"

#include <QLabel>

namespace {

using Need = ui::Need;
using OnReset = ui::OnReset;

// The machine cost and the speed have defaults, yet a reset empties them.
const ui::InputField kFields[] = {
    {.field = "Text19_0", .captionId = 1455, .unit = "元/小时", .defaultText = "40"},
    {.field = "Text19_1", .captionId = 1666, .unit = "元/个"},
    {.field = "Text19_2",
     .captionId = 1662,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default},
    {.field = "Text19_3",
     .captionId = 1665,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default},
    {.field = "Text19_4",
     .captionId = 1664,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default},
    {.field = "Text19_5", .captionId = 1459, .unit = "个/分钟", .defaultText = "8"},
    {.field = "Text19_6",
     .captionId = 1659,
     .unit = "元/个",
     .defaultText = "0",
     .onReset = OnReset::Default},
    {.field = "Text19_7", .captionId = 1460, .unit = "%", .defaultText = "17", .onReset = OnReset::Keep},
    {.field = "Text19_8", .captionId = 1663, .unit = "元/个", .need = Need::Plain},
};
const costparts::UnitText kUnits[] = {{"Text19_0", 1456}, {"Text19_1", 1452}, {"Text19_2", 1452},
                                      {"Text19_3", 1452}, {"Text19_4", 1452}, {"Text19_5", 1462},
                                      {"Text19_6", 1452}, {"Text19_8", 1452}};

} // namespace

Form42::Form42() : FormBase(QStringLiteral("Form42")) {
    setWindowTitle(StringTable::text(1033));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/shaft.svg"), 200);
    ui::grid(column, costparts::fieldRows(kFields, kUnits));
    ui::grid(column, {{costparts::literalButton("Command11", "="), ui::button("Command1", 1321),
                       ui::button("Command2", 1358)}});
    ui::grid(column, {{ui::label("Label1", 1661)}, {ui::label("Label2", 1660)}});
    for (const char* note : {"Label1", "Label2"})
        label(QString::fromLatin1(note))->setWordWrap(true);
    costparts::addContactLinks(column, "Label20", "Label22");
    for (const char* tipped : {"Text19_0", "Text19_5", "Text19_7"})
        field(QString::fromLatin1(tipped))->setToolTip(QStringLiteral("根据实际修改"));
    declare(ui::fieldNames(kFields));

    attachInputArray(QStringLiteral("Text19"));
    setFirstField(field(QStringLiteral("Text19_0")));
    setDefaultButton(button(QStringLiteral("Command11")));
    onClick(QStringLiteral("Command11"), [this] { calculate(); });
    onClick(QStringLiteral("Command1"), [this] { ui::resetFields(this, kFields); });
    onClick(QStringLiteral("Command2"), [this] { windowcommands::printForm(this); });
}

void Form42::calculate() {
    if (!ui::requireFilled(this, kFields))
        return;
    auto money = [this](const char* box) { return Money::fromDouble(number(QString::fromLatin1(box))); };
    shaftcost::QuoteInputs in;
    in.machinePerHour = money("Text19_0");
    in.materialCost = money("Text19_1");
    in.grinding = money("Text19_2");
    in.plating = money("Text19_3");
    in.packing = money("Text19_4");
    in.speed = money("Text19_5");
    // The secondary cost passes through the cost wizard's shared single-precision variable,
    // which the wizard's own step sets again before it uses it.
    costwizard::CostSecondaryProcessing = num::single(number(QStringLiteral("Text19_6")));
    in.taxPercent = money("Text19_7");
    in.secondary = costwizard::CostSecondaryProcessing;
    setText(QStringLiteral("Text19_8"), shaftcost::quote(in).format(u"0.000"));
}

SPIRELTA_REGISTER_FORM(Form42)
