#pragma once
// The arithmetic of the cost-analysis wizard, without any window. All stored values are single
// precision, as the wizard's variables are; sums are taken in double first. The report that
// the steps write from these values is CostWizardReport.h.

namespace costwizard {

// --- Step 2: the spring's dimensions ------------------------------------------------------------

// The spring index C = D/d in single precision; d = 0 throws num::CalcFault.
float springIndex(float meanDia, float wireDia);

// --- Step 3: material ------------------------------------------------------------------------------

// The rows the material step offers: the first six wire materials, stainless steel at 7.85.
inline constexpr int kMaterialRows = 6;

// The weight of one piece in grams from the density (g/cm3), the wire and mean diameters and
// the other developed length (mm) and the total coils, with pi taken as 3.14159.
float pieceWeight(double density, float wireDia, float meanDia, float totalCoils, float extraLength);

// Material cost of one piece with freight and loss, in yuan (double).
double materialCost(float price, float freight, float pieceWeight, float lossPercent);

// --- Step 4: manufacturing cost and prices ----------------------------------------------------------

struct ManufacturingInputs {
    // From step 3.
    float pieceWeight = 0;   // g
    float materialPrice = 0; // yuan/kg
    float freight = 0;       // yuan/kg
    float lossPercent = 0;   // %
    // Typed in step 4.
    float machineRate = 0;  // yuan/hour
    float platingPrice = 0; // yuan/kg of wire
    float speed = 0;        // pieces/minute
    float secondary = 0;    // yuan/piece
    float tempering = 0;
    float packing = 0;
    float management = 0;
    float taxPercent = 0; // %
};

struct ManufacturingResults {
    float netPrice = 0;
    float priceWithTax = 0;
    // Shares of the machine cost per piece (reported, not added to the price again).
    float labour = 0;
    float depreciation = 0;
    float utilities = 0;
    float other = 0;
    float profit = 0;
    float plating = 0;
    float lowestPrice = 0;
    // The pieces of an eight-hour run and what they cost at the net price.
    float batchSize = 0;
    double batchAmount = 0; // whole yuan, halves to even
};

// A speed of 0 throws num::CalcFault.
ManufacturingResults manufacturing(const ManufacturingInputs& in);

} // namespace costwizard
