// Step 2 of the cost-analysis wizard: wire diameter, mean diameter, total coils and the
// developed length of legs and hooks, which the material step weighs. The report shows the
// texts as typed and the spring index D/d.

#include "calc/cost/CostWizardReport.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/CostWizardStep.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

using ui::Need;

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .defaultText = "1", .caption = "Label1_0"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .defaultText = "6", .caption = "Label1_1"},
    {.field = "Text1_2", .captionId = 1331, .defaultText = "8", .caption = "Label1_2"},
    {.field = "Text1_3",
     .captionId = 2059,
     .unit = "mm",
     .need = Need::Plain,
     .defaultText = "0",
     .caption = "Label1_6"},
};

class Form119 : public CostWizardStep {
public:
    Form119() : CostWizardStep(QStringLiteral("Form119"), 2) {
        buildPage(2054, ui::inputRows(kFields, false), ui::fieldNames(kFields), [this] { confirm(); });
        attachInputArray(QStringLiteral("Text1"));
        setFirstField(field(QStringLiteral("Text1_0")));
    }

private:
    void confirm() {
        if (!ui::requireFilled(this, kFields))
            return;
        // The length of legs and hooks may be left out of the emptiness test, but the weight
        // needs a number there as much as in the other three.
        const auto v =
            readNumbers({{"Text1_0", 1333}, {"Text1_1", 1332}, {"Text1_2", 1331}, {"Text1_3", 2059}});
        if (!v)
            return;
        const float d = (*v)[0], D = (*v)[1];
        const float index = costwizard::springIndex(D, d); // d = 0 ends here with the input error
        const QString report =
            costwizard::specificationSection(costwizard::CostReport1,
                                             {.wireDia = text(QStringLiteral("Text1_0")),
                                              .meanDia = text(QStringLiteral("Text1_1")),
                                              .totalCoils = text(QStringLiteral("Text1_2")),
                                              .extraLength = text(QStringLiteral("Text1_3"))},
                                             index);
        costwizard::CostWireDia = d;
        costwizard::CostMeanDia = D;
        costwizard::CostTotalCoils = (*v)[2];
        costwizard::CostExtraLength = (*v)[3];
        costwizard::CostReport2 = report;
        handToHub(report);
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form119)
