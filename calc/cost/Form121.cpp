// Step 4 of the cost-analysis wizard: machine cost, plating, production speed, four further
// costs per piece and the tax rate. Confirm prices one piece, splits the machine cost, finds
// the lowest price for mass production and completes the report.

#include "calc/cost/CostFormParts.h"
#include "calc/cost/CostWizardReport.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/CostWizardStep.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>

namespace {

using costwizard::ManufacturingInputs;

// The machine cost is a list; the other costs per piece carry the same unit in every language.
const ui::InputField kFields[] = {
    {.field = "Combo1", .captionId = 1455, .caption = "Label39", .unitName = "Label40_0"},
    {.field = "Text19_0",
     .captionId = 1458,
     .defaultText = "0",
     .caption = "Label42",
     .unitName = "Label40_1"},
    {.field = "Text19_1",
     .captionId = 1459,
     .defaultText = "35",
     .caption = "Label43",
     .unitName = "Label40_2"},
    {.field = "Text19_2", .captionId = 1454, .defaultText = "0", .caption = "Label3", .unitName = "Label48"},
    {.field = "Text19_3",
     .captionId = 2440,
     .unit = "元/个",
     .defaultText = "0",
     .caption = "Label44",
     .unitName = "Label5"},
    {.field = "Text19_4",
     .captionId = 2441,
     .unit = "元/个",
     .defaultText = "0",
     .caption = "Label1",
     .unitName = "Label6"},
    {.field = "Text19_5",
     .captionId = 2442,
     .unit = "元/个",
     .defaultText = "0",
     .caption = "Label2",
     .unitName = "Label7"},
    {.field = "Text19_6",
     .captionId = 1460,
     .unit = "%",
     .defaultText = "0",
     .caption = "Label4",
     .unitName = "Label45"},
};
const costparts::UnitText kUnitTexts[] = {
    {"Combo1", 1456}, {"Text19_0", 1461}, {"Text19_1", 1462}, {"Text19_2", 1452}};

const ui::In<ManufacturingInputs> kRead[] = {
    {"Combo1", &ManufacturingInputs::machineRate},  {"Text19_0", &ManufacturingInputs::platingPrice},
    {"Text19_1", &ManufacturingInputs::speed},      {"Text19_2", &ManufacturingInputs::secondary},
    {"Text19_3", &ManufacturingInputs::tempering},  {"Text19_4", &ManufacturingInputs::packing},
    {"Text19_5", &ManufacturingInputs::management}, {"Text19_6", &ManufacturingInputs::taxPercent},
};

class Form121 : public CostWizardStep {
public:
    Form121() : CostWizardStep(QStringLiteral("Form121"), 4) {
        std::vector<std::vector<ui::Cell>> rows = costparts::fieldRows(kFields, kUnitTexts);
        rows[0][1] = ui::combo(QStringLiteral("Combo1"));
        buildPage(2052, rows, ui::fieldNames(kFields), [this] { confirm(); });

        // A rate typed into the list counts as well as a listed one.
        QComboBox* rates = comboBox(QStringLiteral("Combo1"));
        rates->setEditable(true);
        rates->addItems({"20", "40", "60", "80", "100", "120"});
        rates->setCurrentIndex(1);

        attachInputArray(QStringLiteral("Text19"));
        setFirstField(field(QStringLiteral("Text19_0")));
    }

private:
    void confirm() {
        using namespace costwizard;
        // What step 3 stored goes in with what this step reads.
        const std::optional<ManufacturingInputs> in = readNumbers(kRead, kFields,
                                                                  {.pieceWeight = CostPieceWeight,
                                                                   .materialPrice = CostMaterialPrice,
                                                                   .freight = CostFreight,
                                                                   .lossPercent = CostLossPercent});
        if (!in)
            return;
        const ManufacturingResults out = manufacturing(*in); // a speed of 0 ends here
        const QString report = manufacturingSection(CostReport3, *in, out, reportTime());
        CostMachineRate = in->machineRate;
        CostPlatingPrice = in->platingPrice;
        CostSpeed = in->speed;
        CostSecondaryProcessing = in->secondary;
        CostTaxPercent = in->taxPercent;
        CostNetPrice = out.netPrice;
        CostPriceWithTax = out.priceWithTax;
        CostReport4 = report;
        handToHub(report);
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form121)
