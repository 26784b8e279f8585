#include "calc/cost/Form6.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/WireDensityTable.h"
#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

using Need = ui::Need;

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1479, .unit = "mm", .caption = "Label30"},
    {.field = "Text1_1", .captionId = 1469, .unit = "mm", .need = Need::Plain, .caption = "Label29"},
    {.field = "Text1_2", .captionId = 1478, .unit = "mm", .caption = "Label35"},
    {.field = "Text1_3", .captionId = 1480, .unit = "T", .need = Need::Plain, .caption = "Label28"},
};

// Die springs come in the first three wire materials only (the same in both variants).
constexpr int kMaterialRows = 3;
const auto kMaterials = WireDensityTable::Variant::Full;

} // namespace

Form6::Form6() : FormBase(QStringLiteral("Form6")) {
    setWindowTitle(StringTable::text(1023) + StringTable::text(1017));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/die-spring.svg"), 200);
    ui::grid(column, {{ui::label("Label27", 1544, 3)}, {ui::combo("Combo1"), ui::gap(2)}});
    ui::grid(column, {{ui::label("Label31", 1545, 3)}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label26", 1464), ui::edit("Text13"), ui::literal("Label25", "g/pcs")},
                         {costparts::literalButton("Command10", "="), ui::button("Command7", 1321),
                          ui::button("Command6_0", 1315)},
                     });
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials, kMaterialRows),
                        1);
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command10",
                                 .reset = "Command7",
                                 .exit = "Command6_0",
                                 .results = {QStringLiteral("Text13")}},
                                [this] { calculate(); });
}

void Form6::calculate() {
    wireweights::DieInputs in;
    in.density =
        num::single(WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1")), kMaterialRows));
    in.width = num::single(number(QStringLiteral("Text1_0")));
    in.outerDiameter = num::single(number(QStringLiteral("Text1_1")));
    in.thickness = num::single(number(QStringLiteral("Text1_2")));
    in.coils = num::single(number(QStringLiteral("Text1_3")));
    if (!ui::requireFilled(this, kFields))
        return;
    setSingle(QStringLiteral("Text13"), wireweights::dieSpringWeight(in), u"0.000");
}

SPIRELTA_REGISTER_FORM(Form6)
