#include "calc/cost/Form120.h"

#include "calc/cost/CostWizardCore.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/WireDensityTable.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/Prompt.h"

#include <QComboBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const auto kMaterials = WireDensityTable::Variant::Full;

} // namespace

Form120::Form120() : CostWizardStep(QStringLiteral("Form120"), 3) {
    setWindowTitle(StringTable::text(1375));
    auto* fields = new QWidget(this);
    ui::grid(fields, {
                         {ui::label("Label1", 1646), ui::combo("Combo1")},
                         {ui::label("Label5", 2062), ui::edit("Text1_0", QStringLiteral("30")),
                          ui::label("Label8_1", 1461)},
                         {ui::label("Label3", 2061), ui::edit("Text1_1", QStringLiteral("2")),
                          ui::label("Label8_2", 1461)},
                         {ui::label("Label4", 2259), ui::result("Text1_2"), ui::label("Label8_0", 1463)},
                         {ui::label("Label17", 2060), ui::edit("Text1_3", QStringLiteral("5")),
                          ui::literal("Label7_4", QStringLiteral("%"))},
                     });
    auto* page = new QVBoxLayout(this);
    page->addWidget(fields);
    page->addLayout(makeConfirmCancel([this] { confirm(); }));

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
    if (isEmpty(QStringLiteral("Text1_0"))) {
        prompt::inform(this, StringTable::text(2242));
        return;
    }
    const auto v = readNumbers({{"Text1_0", 2062}, {"Text1_1", 2061}, {"Text1_3", 2060}});
    if (!v)
        return;
    const float price = (*v)[0], freight = (*v)[1], loss = (*v)[2];
    const double cost = materialCost(price, freight, CostPieceWeight, loss);
    const QString report = materialSection(CostReport2,
                                           {.material = text(QStringLiteral("Combo1")),
                                            .price = text(QStringLiteral("Text1_0")),
                                            .freight = text(QStringLiteral("Text1_1")),
                                            .weight = text(QStringLiteral("Text1_2")),
                                            .loss = text(QStringLiteral("Text1_3"))},
                                           cost);
    CostMaterialPrice = price;
    CostFreight = freight;
    CostLossPercent = loss;
    CostReport3 = report;
    handToHub(report);
}

SPIRELTA_REGISTER_FORM(Form120)
