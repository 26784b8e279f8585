#pragma once
// The active-coils sub-calculator of every design step: it shows the four values the wizard's
// formula takes (Text1_0 to Text1_3), works out the trial active coils n' into Text1_4 and
// picks the nearest entry of the coil series. It computes once, when it opens, so a value the
// user then chooses or types in the list stays; Confirm writes the proposal into the design
// step's active coils.

#include "calc/wizards/SubCalculator.h"
#include "common/WizardState.h"

class TrialActiveCoils : public SubCalculator {
public:
    struct Shown {
        int captionId;
        float wizard::State::*value;
        const char* pattern = ""; // "" writes the short form of a single
    };
    struct Design {
        const char* className;  // the window, e.g. "Form97"
        const char* designStep; // the design step Confirm writes into, e.g. "Form94"
        const char* source;     // the control whose text Confirm writes: the list or Text1_4
        const char* formula;    // the formula picture
        const char* hint;       // the list's tooltip
        Shown shown[4];
        float wizard::State::*trialActiveCoils;
        float (*trial)(const wizard::State&);
        // The proposal is n' rounded to whole coils (ties to the even neighbour), whatever the
        // list shows, instead of the source's text.
        bool wholeCoils = false;
    };

    explicit TrialActiveCoils(const Design& design);

protected:
    QString proposal() const override;

private:
    void compute();

    const Design& design_;
};
