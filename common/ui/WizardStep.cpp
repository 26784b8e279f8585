#include "common/ui/WizardStep.h"

#include "common/CheckedMath.h"
#include "common/ui/DesignWizard.h"
#include "common/ui/FormBuilder.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

WizardStep::WizardStep(const QString& className, const QString& hubClass, int step)
    : FormBase(className), hubClass_(hubClass), step_(step) {}

QHBoxLayout* WizardStep::makeConfirmCancel() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* confirmButton = ui::makeButton(this, QStringLiteral("Command1"), 1543);
    QPushButton* cancelButton = ui::makeButton(this, QStringLiteral("Command2"), 1783);
    row->addWidget(confirmButton);
    row->addWidget(cancelButton);
    onClick(confirmButton, [this] { confirm(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { close(); });
    return row;
}

void WizardStep::startTicking(std::function<void()> recompute) {
    recompute_ = std::move(recompute);
    addTimer(QStringLiteral("Timer1"), kTickMs, [this] { recompute_(); })->start();
}

void WizardStep::tick() {
    if (!recompute_)
        return;
    try {
        recompute_();
    } catch (const num::CalcFault&) {
        // As on the timer: the tick ends, what it wrote stays.
    }
}

void WizardStep::confirm() {
    const QString report = confirmedReport();
    DesignWizard::confirmToHub(hubClass_, step_, report);
    close();
}
