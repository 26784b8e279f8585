#pragma once
// Shared variables of the cost-analysis wizard. They live as long as the program runs and
// nothing clears them; each step reads what the steps before it stored. The shaft quotation
// uses CostSecondaryProcessing too: it stores its own secondary-processing cost there and
// reads it back within the same calculation, and the wizard's manufacturing step stores the
// variable before each use, so the two never pass a value to each other.
//
// All variables belong to the window system's single thread.

#include <QString>

namespace costwizard {

// The report after steps 1 to 4, each the one before it followed by that step's section.
extern QString CostReport1, CostReport2, CostReport3, CostReport4;
// The density of the material the material step matched last, as the text of the number.
extern QString CostDensity;

// Single-precision values, in the units the steps read them: mm, coils, g, yuan per kg,
// percent, yuan per hour, pieces per minute, yuan per piece.
extern float CostWireDia, CostMeanDia, CostTotalCoils, CostExtraLength;
extern float CostPieceWeight, CostMaterialPrice, CostFreight, CostLossPercent;
extern float CostMachineRate, CostPlatingPrice, CostSpeed, CostSecondaryProcessing;
extern float CostTaxPercent, CostNetPrice, CostPriceWithTax;

} // namespace costwizard
