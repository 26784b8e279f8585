#include "calc/cost/Form40.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/WireDensityTable.h"
#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label2"},
    {.field = "Text1_1", .captionId = 1444, .unit = "mm", .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1331, .unit = "T", .caption = "Label4"},
    {.field = "Text1_3", .captionId = 1445, .unit = "mm", .caption = "Label7"},
};

const auto kMaterials = WireDensityTable::Variant::Full;

} // namespace

Form40::Form40() : FormBase(QStringLiteral("Form40")) {
    setWindowTitle(StringTable::text(1441));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/conical-spring.svg"), 200);
    ui::grid(column, {{ui::label("Label1", 1334, 3)}, {ui::combo("Combo1"), ui::gap(2)}});
    ui::grid(column, {{ui::label("Label16", 1329, 3)}, {ui::label("Label12", 1324, 3)}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label6", 1330), ui::edit("Text5"), ui::literal("Label8", "g/pcs")},
                         {costparts::literalButton("Command1", "="), ui::button("Command4", 1321),
                          ui::button("Command5", 1315)},
                     });
    costparts::addContactLinks(column, "Label20", "Label22");
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials), 1);
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command1",
                                 .reset = "Command4",
                                 .exit = "Command5",
                                 .results = {QStringLiteral("Text5")},
                                 .focusFirstField = true},
                                [this] { calculate(); });
}

void Form40::calculate() {
    wireweights::ConicalInputs in;
    in.density = num::single(WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1"))));
    // This window names a missing field by its caption alone.
    if (!costparts::requireCaptionAlone(this, kFields))
        return;
    in.wireDiameter = number(QStringLiteral("Text1_0"));
    in.smallMeanDiameter = num::single(number(QStringLiteral("Text1_1")));
    in.totalCoils = num::single(number(QStringLiteral("Text1_2")));
    in.largeMeanDiameter = number(QStringLiteral("Text1_3"));
    setSingle(QStringLiteral("Text5"), wireweights::conicalSpringWeight(in), u"0.0000");
}

SPIRELTA_REGISTER_FORM(Form40)
