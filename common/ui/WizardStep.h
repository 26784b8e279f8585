#pragma once
// A step window of a wizard (see DesignWizard.h). Its Timer1 recomputes every 200 ms while the
// user types and writes the wizard's shared variables; Confirm (Command1) appends the step's
// section to the report of the step before, hands the report to the hub, which offers the
// next step, and closes the window; Cancel (Command2) only closes it.
//
// An arithmetic fault or an unreadable number ends a tick silently, keeping what it wrote.
// A fault in Confirm's own arithmetic shows the input-error message and leaves the hub and
// the report strings untouched.

#include "common/ui/FormBase.h"

#include <functional>

class QHBoxLayout;

class WizardStep : public FormBase {
    Q_OBJECT
public:
    static constexpr int kTickMs = 200;

    WizardStep(const QString& className, const QString& hubClass, int step);

    // One recomputation, as the timer runs it (a fault ends it silently).
    void tick();

protected:
    // Confirm and Cancel in a row, right-aligned, for the subclass's layout.
    QHBoxLayout* makeConfirmCancel();
    // Starts Timer1 with the step's recomputation.
    void startTicking(std::function<void()> recompute);
    // Builds the report after this step from the one before and stores it in the wizard's
    // variable; returns it for the hub. May throw num::CalcFault.
    virtual QString confirmedReport() = 0;

private:
    void confirm();

    QString hubClass_;
    int step_;
    std::function<void()> recompute_;
};
