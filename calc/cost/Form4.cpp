#include "calc/cost/Form4.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/WireDensityTable.h"
#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"

namespace {

// The length must be given although neither result uses it.
const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1471, .unit = "mm", .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1472, .unit = "pcs", .caption = "Label4"},
    {.field = "Text1_3", .captionId = 1473, .unit = "mm", .caption = "Label5"},
    {.field = "Text1_4", .captionId = 1475, .unit = "mm", .caption = "Label11"},
};

const auto kMaterials = WireDensityTable::Variant::HollowSection;

} // namespace

Form4::Form4() : FormBase(QStringLiteral("Form4")) {
    setWindowTitle(StringTable::text(1021) + StringTable::text(1017));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/serpentine.svg"), 220);
    ui::grid(column, {{ui::label("Label9", 1470), ui::combo("Combo1"), ui::gap()}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label17", 1360, 3)},
                         {ui::label("Label13", 1476), ui::edit("Text6"), ui::literal("Label15", "mm")},
                         {ui::label("Label14", 1464), ui::edit("Text7"), ui::literal("Label16", "g/pcs")},
                         {costparts::literalButton("Command1", "="), ui::button("Command2", 1321),
                          ui::button("Command3", 1315)},
                     });
    costparts::addContactLinks(column, "Label20", "Label22");
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials), 1);
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command1",
                                 .reset = "Command2",
                                 .exit = "Command3",
                                 .results = {QStringLiteral("Text6"), QStringLiteral("Text7")}},
                                [this] { calculate(); });
}

void Form4::calculate() {
    wireweights::SerpentineInputs in;
    in.density = num::single(WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1"))));
    if (!ui::requireFilled(this, kFields))
        return;
    in.wireDiameter = num::single(number(QStringLiteral("Text1_0")));
    in.pitch = num::single(number(QStringLiteral("Text1_1")));
    in.waves = num::single(number(QStringLiteral("Text1_2")));
    in.waveHeight = num::single(number(QStringLiteral("Text1_4")));
    wireweights::Serpentine out;
    auto showResults = [this, &out] {
        if (out.developedLength)
            setSingle(QStringLiteral("Text6"), *out.developedLength, u"0.0000");
        if (out.weight)
            setSingle(QStringLiteral("Text7"), *out.weight, u"0.0000");
    };
    // The length worked out before a fault stays written.
    ui::computeThenShow([&] { wireweights::serpentine(in, out); }, showResults);
}

SPIRELTA_REGISTER_FORM(Form4)
