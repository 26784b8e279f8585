#include "calc/cost/CostWizardState.h"

namespace costwizard {

QString CostReport1, CostReport2, CostReport3, CostReport4;
QString CostDensity;

float CostWireDia = 0, CostMeanDia = 0, CostTotalCoils = 0, CostExtraLength = 0;
float CostPieceWeight = 0, CostMaterialPrice = 0, CostFreight = 0, CostLossPercent = 0;
float CostMachineRate = 0, CostPlatingPrice = 0, CostSpeed = 0, CostSecondaryProcessing = 0;
float CostTaxPercent = 0, CostNetPrice = 0, CostPriceWithTax = 0;

} // namespace costwizard
