#include "calc/cost/Form3.h"

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
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label2"},
    {.field = "Text1_1", .captionId = 1469, .unit = "mm", .need = Need::Plain, .caption = "Label3"},
    {.field = "Text1_2", .captionId = 1308, .unit = "mm", .need = Need::Plain, .caption = "Label11"},
    {.field = "Text1_3", .captionId = 1331, .unit = "T", .need = Need::Plain, .caption = "Label4"},
    {.field = "Text1_4",
     .captionId = 1328,
     .unit = "mm",
     .need = Need::Plain,
     .defaultText = "0",
     .onReset = ui::OnReset::Default,
     .caption = "Label17"},
};

const auto kMaterials = WireDensityTable::Variant::HollowSection;

} // namespace

Form3::Form3() : FormBase(QStringLiteral("Form3")) {
    setWindowTitle(StringTable::text(1020) + StringTable::text(1017));
    QWidget* column = costparts::columns(this, QStringLiteral("Picture1"),
                                         QStringLiteral(":/pictures/cost/hollow-wire.svg"), 220);
    ui::grid(column, {{ui::label("Label1", 1334, 3)}, {ui::combo("Combo1"), ui::gap(2)}});
    ui::grid(column, {{ui::label("Label16", 1329, 3)}, {ui::label("Label12", 1324, 3)}});
    ui::grid(column, costparts::fieldRows(kFields));
    ui::grid(column, {
                         {ui::label("Label6", 1330), ui::edit("Text5"), ui::literal("Label7", "g/pcs")},
                         {costparts::literalButton("Command1", "="), ui::button("Command2", 1321),
                          ui::button("Command3", 1315)},
                     });
    ui::grid(column, {{ui::label("Label5", 1327)}, {ui::label("Label13", 1301)}});
    label(QStringLiteral("Label13"))->setWordWrap(true);
    costparts::addContactLinks(column, "Label20", "Label22");
    costparts::fillList(this, QStringLiteral("Combo1"), WireDensityTable::names(kMaterials), 1);
    costparts::wireWeightWindow(this, kFields,
                                {.calculate = "Command1",
                                 .reset = "Command2",
                                 .exit = "Command3",
                                 .results = {QStringLiteral("Text5")}},
                                [this] { calculate(); });
}

void Form3::calculate() {
    wireweights::HollowInputs in;
    in.density = WireDensityTable::density(kMaterials, text(QStringLiteral("Combo1")));
    in.wireDiameter = number(QStringLiteral("Text1_0"));
    in.outerDiameter = number(QStringLiteral("Text1_1"));
    in.bore = number(QStringLiteral("Text1_2"));
    in.totalCoils = number(QStringLiteral("Text1_3"));
    in.straightLength = number(QStringLiteral("Text1_4"));
    // This window names the missing wire diameter by its caption alone.
    if (!costparts::requireCaptionAlone(this, kFields))
        return;
    in.coiled = !(isEmpty(QStringLiteral("Text1_1")) && isEmpty(QStringLiteral("Text1_3")));
    setNumber(QStringLiteral("Text5"), wireweights::hollowWireWeight(in), u"0.0000");
}

SPIRELTA_REGISTER_FORM(Form3)
