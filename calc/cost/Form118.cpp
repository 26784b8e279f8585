// Step 1 of the cost-analysis wizard: customer, model and part number, which appear only in
// the report. Confirm starts a new report.

#include "calc/cost/CostWizardCore.h"
#include "calc/cost/CostWizardState.h"
#include "calc/cost/CostWizardStep.h"
#include "common/StringTable.h"
#include "common/ui/FieldNavigation.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QVBoxLayout>

namespace {

class Form118 : public CostWizardStep {
public:
    Form118() : CostWizardStep(QStringLiteral("Form118"), 1) {
        setWindowTitle(StringTable::text(2055));
        auto* fields = new QWidget(this);
        ui::grid(
            fields,
            {
                {ui::label("Label1_0", 2058), ui::edit("Text1_0", QStringLiteral("Sample Customer Ltd."))},
                {ui::label("Label1_1", 2057), ui::edit("Text1_1", QStringLiteral("spring-123456"))},
                {ui::label("Label1_2", 2056), ui::edit("Text1_2", QStringLiteral("SP-0001"))},
            });
        auto* page = new QVBoxLayout(this);
        page->addWidget(fields);
        page->addLayout(makeConfirmCancel([this] { confirm(); }));
        // Free text: the Down arrow moves on, every character is accepted.
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
