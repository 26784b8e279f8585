// Step 1 of the cost-analysis wizard: customer, model and part number, which appear only in
// the report. Confirm starts a new report.

#include "calc/cost/CostWizardReport.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/CostWizardStep.h"
#include "common/ui/FieldNavigation.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"

namespace {

using ui::Need;

// Free texts: nothing is required, every character is accepted.
const ui::InputField kFields[] = {
    {.field = "Text1_0",
     .captionId = 2058,
     .need = Need::Plain,
     .defaultText = "Sample Customer Ltd.",
     .caption = "Label1_0"},
    {.field = "Text1_1",
     .captionId = 2057,
     .need = Need::Plain,
     .defaultText = "spring-123456",
     .caption = "Label1_1"},
    {.field = "Text1_2",
     .captionId = 2056,
     .need = Need::Plain,
     .defaultText = "SP-0001",
     .caption = "Label1_2"},
};

class Form118 : public CostWizardStep {
public:
    Form118() : CostWizardStep(QStringLiteral("Form118"), 1) {
        buildPage(2055, ui::inputRows(kFields, false), ui::fieldNames(kFields), [this] { confirm(); });
        // The Down arrow moves on to the next text.
        FieldNavigation::attach(this, QStringLiteral("Text1"));
        setFirstField(field(QStringLiteral("Text1_0")));
    }

private:
    void confirm() {
        costwizard::CostReport1 = costwizard::productSection({.customer = text(QStringLiteral("Text1_0")),
                                                              .model = text(QStringLiteral("Text1_1")),
                                                              .partNumber = text(QStringLiteral("Text1_2"))});
        handToHub(costwizard::CostReport1);
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form118)
