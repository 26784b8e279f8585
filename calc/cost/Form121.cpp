// Step 4 of the cost-analysis wizard: machine cost, plating, production speed, four further
// costs per piece and the tax rate. Confirm prices one piece, splits the machine cost, finds
// the lowest price for mass production and completes the report.

#include "calc/cost/CostWizardCore.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/CostWizardStep.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QVBoxLayout>

namespace {

const QString kPerPiece = QStringLiteral("元/个"); // the same in every language

class Form121 : public CostWizardStep {
public:
    Form121() : CostWizardStep(QStringLiteral("Form121"), 4) {
        setWindowTitle(StringTable::text(2052));
        auto* fields = new QWidget(this);
        ui::grid(fields, {
                             {ui::label("Label39", 1455), ui::combo("Combo1"), ui::label("Label40_0", 1456)},
                             {ui::label("Label42", 1458), ui::edit("Text19_0", QStringLiteral("0")),
                              ui::label("Label40_1", 1461)},
                             {ui::label("Label43", 1459), ui::edit("Text19_1", QStringLiteral("35")),
                              ui::label("Label40_2", 1462)},
                             {ui::label("Label3", 1454), ui::edit("Text19_2", QStringLiteral("0")),
                              ui::label("Label48", 1452)},
                             {ui::label("Label44", 2440), ui::edit("Text19_3", QStringLiteral("0")),
                              ui::literal("Label5", kPerPiece)},
                             {ui::label("Label1", 2441), ui::edit("Text19_4", QStringLiteral("0")),
                              ui::literal("Label6", kPerPiece)},
                             {ui::label("Label2", 2442), ui::edit("Text19_5", QStringLiteral("0")),
                              ui::literal("Label7", kPerPiece)},
                             {ui::label("Label4", 1460), ui::edit("Text19_6", QStringLiteral("0")),
                              ui::literal("Label45", QStringLiteral("%"))},
                         });
        auto* page = new QVBoxLayout(this);
        page->addWidget(fields);
        page->addLayout(makeConfirmCancel([this] { confirm(); }));

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
        const auto v = readNumbers({{"Combo1", 1455},
                                    {"Text19_0", 1458},
                                    {"Text19_1", 1459},
                                    {"Text19_2", 1454},
                                    {"Text19_3", 2440},
                                    {"Text19_4", 2441},
                                    {"Text19_5", 2442},
                                    {"Text19_6", 1460}});
        if (!v)
            return;
        const ManufacturingInputs in{.pieceWeight = CostPieceWeight,
                                     .materialPrice = CostMaterialPrice,
                                     .freight = CostFreight,
                                     .lossPercent = CostLossPercent,
                                     .machineRate = (*v)[0],
                                     .platingPrice = (*v)[1],
                                     .speed = (*v)[2],
                                     .secondary = (*v)[3],
                                     .tempering = (*v)[4],
                                     .packing = (*v)[5],
                                     .management = (*v)[6],
                                     .taxPercent = (*v)[7]};
        const ManufacturingResults out = manufacturing(in); // a speed of 0 ends here
        const QString report = manufacturingSection(CostReport3, in, out, reportTime());
        CostMachineRate = in.machineRate;
        CostPlatingPrice = in.platingPrice;
        CostSpeed = in.speed;
        CostSecondaryProcessing = in.secondary;
        CostTaxPercent = in.taxPercent;
        CostNetPrice = out.netPrice;
        CostPriceWithTax = out.priceWithTax;
        CostReport4 = report;
        handToHub(report);
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form121)
