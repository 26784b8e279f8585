#pragma once
// The wire-diameter sub-calculator of the compression and extension design steps: d' from the
// working load, the allowable shear stress, the design's Wahl factor and a spring index C'
// typed here, which is stored for the wizard. On every tick it shows what the formula takes,
// works out d' into Text1_4 and picks the nearest standard wire diameter; Confirm writes the
// chosen diameter into the design step.

#include "calc/wizards/SubCalculator.h"
#include "common/WizardState.h"

#include <QString>
#include <optional>

class TrialWireDiameter : public SubCalculator {
public:
    struct Design {
        const char* className;             // the window, e.g. "Form95"
        const char* designStep;            // the design step Confirm writes into, e.g. "Form94"
        const char* defaultIndex;          // the index box's text before the design's index replaces it
        float wizard::State::*springIndex; // the design's C, shown when the window opens
        float wizard::State::*trialSpringIndex;
        float wizard::State::*workingLoad;
        float wizard::State::*allowableShear;
        float wizard::State::*wahlFactor; // the design's factor, which d' takes
        float wizard::State::*trialWireDia;
        // The Wahl factor the window shows for the state and its C'; none ends the tick there.
        std::optional<QString> (*shownFactor)(const wizard::State&);
    };

    explicit TrialWireDiameter(const Design& design);

private:
    void recompute();

    const Design& design_;
};
