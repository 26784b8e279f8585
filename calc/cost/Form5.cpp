#include "calc/cost/Form5.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/WireDensityTable.h"
#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

#include <QLabel>

namespace {

using Need = ui::Need;

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1479, .unit = "mm", .caption = "Label30"},
    {.field = "Text1_1", .captionId = 1469, .unit = "mm", .need = Need::Plain, .caption = "Label29"},
    {.field = "Text1_2", .captionId = 1478, .unit = "mm", .caption = "Label35"},
    {.field = "Text1_3", .captionId = 1480, .unit = "T", .need = Need::Plain, .caption = "Label28"},
    {.field = "Text1_4",
     .captionId = 1328,
     .unit = "mm",
     .need = Need::Plain,
     .defaultText = "0",
     .onReset = ui::OnReset::Default,
     .caption = "Label8"},
};

const auto kMaterials = WireDensityTable::Variant::HollowSection;

} // namespace

Form5::Form5() : FormBase(QStringLiteral("Form5")) {
    setWindowTitle(StringTable::text(1481));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/clock-spring.svg"), 220);
    ui::grid(column, {{ui::label("Label27", 1334, 3)}, {ui::combo("Combo1"), ui::gap(2)}});
    ui::grid(column, {{ui::label("Label31", 1446, 3)}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label26", 1481), ui::edit("Text13"), ui::literal("Label25", "g/pcs")},
                         {costparts::literalButton("Command10", "="), ui::button("Command7", 1321),
                          ui::button("Command6_0", 1315)},
                     });
    ui::grid(column, {{ui::label("Label1", 1467)}, {ui::label("Label11", 1482)}});
    label(QStringLiteral("Label11"))->setWordWrap(true);
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials), 1);
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command10",
                                 .reset = "Command7",
                                 .exit = "Command6_0",
                                 .results = {QStringLiteral("Text13")}},
                                [this] { calculate(); });
}

void Form5::calculate() {
    wireweights::ClockInputs in;
    in.density = num::single(WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1"))));
    in.width = num::single(number(QStringLiteral("Text1_0")));
    in.outerDiameter = num::single(number(QStringLiteral("Text1_1")));
    in.thickness = num::single(number(QStringLiteral("Text1_2")));
    in.coils = num::single(number(QStringLiteral("Text1_3")));
    in.straightLength = num::single(number(QStringLiteral("Text1_4")));
    if (!ui::requireFilled(this, kFields))
        return;
    in.coiled = !(isEmpty(QStringLiteral("Text1_1")) && isEmpty(QStringLiteral("Text1_3")));
    setSingle(QStringLiteral("Text13"), wireweights::clockSpringWeight(in), u"0.000");
}

SPIRELTA_REGISTER_FORM(Form5)
