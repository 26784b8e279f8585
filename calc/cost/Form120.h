#pragma once
// Step 3 of the cost-analysis wizard: the wire material, its unit price, the freight and the
// material loss. While the window is open, Timer1 weighs one piece every 200 ms from the
// dimensions of step 2 and the material in the list; Confirm appends the material
// section with the material cost of one piece.

#include "calc/cost/CostWizardStep.h"

class Form120 : public CostWizardStep {
    Q_OBJECT
public:
    Form120();

private:
    void weigh();
    void confirm();
};
