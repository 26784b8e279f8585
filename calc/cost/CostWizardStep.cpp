#include "calc/cost/CostWizardStep.h"

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/DesignWizard.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/Prompt.h"

#include <QHBoxLayout>
#include <QPushButton>

CostWizardStep::CostWizardStep(const QString& className, int step) : FormBase(className), step_(step) {}

QHBoxLayout* CostWizardStep::makeConfirmCancel(std::function<void()> confirm) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* confirmButton = ui::makeButton(this, QStringLiteral("Command1"), 1543);
    QPushButton* cancelButton = ui::makeButton(this, QStringLiteral("Command2"), 1783);
    row->addWidget(confirmButton);
    row->addWidget(cancelButton);
    onClick(confirmButton, std::move(confirm));
    connect(cancelButton, &QPushButton::clicked, this, [this] { close(); });
    return row;
}

std::optional<std::vector<float>> CostWizardStep::readNumbers(std::initializer_list<NumberField> fields) {
    std::vector<float> values;
    for (const NumberField& f : fields) {
        const std::optional<double> value = num::strict(text(QString::fromLatin1(f.control)));
        if (!value) {
            prompt::inform(this, StringTable::text(1383) + StringTable::text(f.labelId));
            return std::nullopt;
        }
        values.push_back(num::single(*value));
    }
    return values;
}

void CostWizardStep::handToHub(const QString& report) {
    DesignWizard::confirmToHub(kHub, step_, report);
    close();
}
