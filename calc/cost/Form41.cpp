#include "calc/cost/Form41.h"

#include "calc/cost/BarStockTable.h"
#include "calc/cost/CostFormParts.h"
#include "calc/cost/ShaftCost.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "platform/WindowCommands.h"

namespace {

using Need = ui::Need;
using OnReset = ui::OnReset;

// Inputs and outputs form one array; the outputs are neither tested nor given defaults.
const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1658, .unit = "mm"},
    {.field = "Text1_1",
     .captionId = 1643,
     .unit = "mm",
     .need = Need::Optional,
     .defaultText = "0",
     .onReset = OnReset::Default},
    {.field = "Text1_2", .captionId = 1657, .unit = "mm", .defaultText = "2500", .onReset = OnReset::Default},
    {.field = "Text1_3", .captionId = 1656, .unit = "元/公斤"},
    {.field = "Text1_4", .captionId = 1653, .unit = "mm"},
    {.field = "Text1_5", .captionId = 1655, .unit = "克/条", .need = Need::Plain},
    {.field = "Text1_6", .captionId = 1654, .unit = "元/条", .need = Need::Plain},
    {.field = "Text1_7", .captionId = 1652, .unit = "个/条", .need = Need::Plain},
    {.field = "Text1_8", .captionId = 1651, .unit = "克/个", .need = Need::Plain},
    {.field = "Text1_9", .captionId = 1650, .unit = "元/个", .need = Need::Plain},
    {.field = "Text1_10", .captionId = 1644, .unit = "元/个", .need = Need::Plain},
};
const costparts::UnitText kUnits[] = {{"Text1_3", 1461}, {"Text1_5", 1649}, {"Text1_6", 1648},
                                      {"Text1_7", 1647}, {"Text1_8", 1463}, {"Text1_9", 1452},
                                      {"Text1_10", 1452}};

} // namespace

Form41::Form41() : FormBase(QStringLiteral("Form41")) {
    setWindowTitle(StringTable::text(1642));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/lathe-part.svg"), 200);
    ui::grid(column, {{ui::label("Label1", 1646), ui::combo("Combo1"), ui::gap()},
                      {ui::label("Label2", 1645), ui::combo("Combo2"), ui::gap()}});
    ui::grid(column, costparts::fieldRows(kFields, kUnits));
    ui::grid(column, {{ui::button("Command1", 1543), ui::button("Command2", 1321),
                       ui::button("Command3", 1358), ui::button("Command4", 1322)}});
    costparts::fillList(this, QStringLiteral("Combo1"), BarStockTable::names(), 0);
    costparts::fillList(this, QStringLiteral("Combo2"), BarStockTable::machineNames(), 1);
    button(QStringLiteral("Command4"))->setToolTip(QStringLiteral("去报价看看"));
    declare(ui::fieldNames(kFields));

    attachInputArray(QStringLiteral("Text1"));
    setDefaultButton(button(QStringLiteral("Command1")));
    onClick(QStringLiteral("Command1"), [this] { calculate(); });
    onClick(QStringLiteral("Command2"), [this] { ui::resetFields(this, kFields); });
    onClick(QStringLiteral("Command3"), [this] { windowcommands::printForm(this); });
    onClick(QStringLiteral("Command4"), [this] { quote(); });
}

void Form41::calculate() {
    shaftcost::PartInputs in;
    in.machineLoss = BarStockTable::machineLoss(text(QStringLiteral("Combo2")));
    in.stock = BarStockTable::find(text(QStringLiteral("Combo1")));
    // The messages name the missing input: text 1383 followed by the field's caption.
    if (!ui::requireFilled(this, kFields))
        return;
    in.barSize = number(QStringLiteral("Text1_0"));
    in.bore = number(QStringLiteral("Text1_1"));
    in.barLength = number(QStringLiteral("Text1_2"));
    in.unitPrice = number(QStringLiteral("Text1_3"));
    in.partLength = number(QStringLiteral("Text1_4"));

    shaftcost::PartCosts out;
    auto showCosts = [this, &out] {
        if (out.barWeight)
            setNumber(QStringLiteral("Text1_5"), *out.barWeight, u"0.000");
        if (out.barPrice)
            setNumber(QStringLiteral("Text1_6"), *out.barPrice, u"0.000");
        if (out.partsPerBar)
            setNumber(QStringLiteral("Text1_7"), *out.partsPerBar);
        if (out.grossWeight)
            setNumber(QStringLiteral("Text1_8"), *out.grossWeight, u"0.00");
        if (out.materialCost)
            setNumber(QStringLiteral("Text1_9"), *out.materialCost, u"0.000");
        if (out.nickelPrice)
            setNumber(QStringLiteral("Text1_10"), *out.nickelPrice, u"0.000");
    };
    // Every output worked out before a fault stays written.
    ui::computeThenShow([&] { shaftcost::partCosts(in, out); }, showCosts);
}

void Form41::quote() {
    // The cost goes on as the box shows it, even empty or out of date.
    FormRegistry::writeText(QStringLiteral("Form42"), QStringLiteral("Text19_1"),
                            text(QStringLiteral("Text1_9")));
    FormRegistry::show(QStringLiteral("Form42"));
    close();
}

SPIRELTA_REGISTER_FORM(Form41)
