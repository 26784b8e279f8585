#include "calc/cost/Form120.h"

#include "calc/cost/CostFormParts.h"
#include "calc/cost/CostWizardReport.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/WireDensityTable.h"
#include "common/Numbers.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QTimer>

namespace {

using ui::Need;

const auto kMaterials = WireDensityTable::Variant::Full;

// The unit price may not be empty (its own message); the weight is shown, not typed.
const ui::InputField kFields[] = {
    {.field = "Text1_0",
     .captionId = 2062,
     .defaultText = "30",
     .messageId = 2242,
     .caption = "Label5",
     .unitName = "Label8_1"},
    {.field = "Text1_1",
     .captionId = 2061,
     .need = Need::Plain,
     .defaultText = "2",
     .caption = "Label3",
     .unitName = "Label8_2"},
    {.field = "Text1_2", .captionId = 2259, .need = Need::Plain, .caption = "Label4", .unitName = "Label8_0"},
    {.field = "Text1_3",
     .captionId = 2060,
     .unit = "%",
     .need = Need::Plain,
     .defaultText = "5",
     .caption = "Label17",
     .unitName = "Label7_4"},
};
const costparts::UnitText kUnitTexts[] = {{"Text1_0", 1461}, {"Text1_1", 1461}, {"Text1_2", 1463}};

// What Confirm reads; the weight is the one the last tick computed.
struct Typed {
    float price = 0;
    float freight = 0;
    float lossPercent = 0;
};
const ui::In<Typed> kRead[] = {
    {"Text1_0", &Typed::price},
    {"Text1_1", &Typed::freight},
    {"Text1_3", &Typed::lossPercent},
};

} // namespace

Form120::Form120() : CostWizardStep(QStringLiteral("Form120"), 3) {
    std::vector<std::vector<ui::Cell>> rows = costparts::fieldRows(kFields, kUnitTexts);
    rows[2][1] = ui::result(QStringLiteral("Text1_2")); // read only: the timer writes it
    rows.insert(rows.begin(), {ui::label("Label1", 1646), ui::combo("Combo1")});
    buildPage(1375, rows, ui::fieldNames(kFields) << QStringLiteral("Combo1"), [this] { confirm(); });

    // Any text may be typed into the list; one that names no material keeps the last density.
    QComboBox* materials = comboBox(QStringLiteral("Combo1"));
    materials->setEditable(true);
    materials->addItems(WireDensityTable::names(kMaterials, costwizard::kMaterialRows));
    materials->setCurrentIndex(1);

    attachInputArray(QStringLiteral("Text1"));
    setFirstField(field(QStringLiteral("Text1_0")));
    // A fault ends a tick silently: the weight box keeps what it showed.
    addTimer(QStringLiteral("Timer1"), 200, [this] { weigh(); })->start();
}

void Form120::weigh() {
    using namespace costwizard;
    const QString material = text(QStringLiteral("Combo1"));
    if (WireDensityTable::names(kMaterials, kMaterialRows).contains(material))
        CostDensity = num::text(WireDensityTable::density(kMaterials, material, kMaterialRows));
    // Before the first material of the program's run has matched there is nothing to weigh.
    const std::optional<double> density = num::strict(CostDensity);
    if (!density)
        return;
    CostPieceWeight = pieceWeight(*density, CostWireDia, CostMeanDia, CostTotalCoils, CostExtraLength);
    setSingle(QStringLiteral("Text1_2"), CostPieceWeight, u"0.00");
}

void Form120::confirm() {
    using namespace costwizard;
    if (!costparts::requireCaptionAlone(this, kFields))
        return;
    const std::optional<Typed> in = readNumbers(kRead, kFields);
    if (!in)
        return;
    const double cost = materialCost(in->price, in->freight, CostPieceWeight, in->lossPercent);
    const QString report = materialSection(CostReport2,
                                           {.material = text(QStringLiteral("Combo1")),
                                            .price = text(QStringLiteral("Text1_0")),
                                            .freight = text(QStringLiteral("Text1_1")),
                                            .weight = text(QStringLiteral("Text1_2")),
                                            .loss = text(QStringLiteral("Text1_3"))},
                                           cost);
    CostMaterialPrice = in->price;
    CostFreight = in->freight;
    CostLossPercent = in->lossPercent;
    CostReport3 = report;
    handToHub(report);
}

SPIRELTA_REGISTER_FORM(Form120)
