#pragma once
// The mean-diameter sub-calculator of every design step: D' from the design's wire diameter d
// and a spring index C' typed here. The C' stays with this window (the design's own index is
// not touched); D' is stored for the wizard and Confirm writes it into the design step's mean
// diameter. The window recomputes on every tick, so it follows d while the user edits it.

#include "calc/wizards/SubCalculator.h"
#include "common/WizardState.h"

class TrialMeanDiameter : public SubCalculator {
public:
    struct Design {
        const char* className;    // the window, e.g. "Form96"
        const char* designStep;   // the design step Confirm writes into, e.g. "Form94"
        const char* defaultIndex; // the index box's text before the design's index replaces it
        float wizard::State::*wireDia;
        float wizard::State::*springIndex; // the design's C, shown when the window opens
        float wizard::State::*trialMeanDia;
        float (*trialMeanDiameter)(float wireDiameter, float springIndex);
    };

    explicit TrialMeanDiameter(const Design& design);

private:
    void recompute();

    const Design& design_;
};
