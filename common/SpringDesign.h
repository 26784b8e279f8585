#pragma once
// Formulas with which the spring designers choose a wire diameter from a required load.

namespace springdesign {

// Trial wire diameter d = 1.6 * sqrt(F * K * C / [tau]) in mm, from the design load F in N
// (kgf in the buffer designer, with [tau] in kgf/mm2), the Wahl factor K of the spring index
// C and the allowable shear stress [tau] in N/mm2. Formed in double precision in this order:
// the product F * K * C, divided by [tau], its square root, times 1.6. Not rounded: each
// designer applies its own rounding to the result. Throws num::CalcFault for [tau] = 0 or a
// negative radicand.
double trialWireDiameter(double load, double wahlFactor, double springIndex, double allowableStress);

// The load that a wire of diameter d carries at the stress tau by the same rule, the formula
// solved for F: d^2 * tau / (1.6^2 * C * K). Throws num::CalcFault for C * K = 0.
double loadForWireDiameter(double wireDiameter, double stress, double springIndex, double wahlFactor);

// One more than the whole part of x (the largest whole number not above x, plus one): the
// rule by which the designers step up a diameter or a coil count, so 7.2 gives 8 and an
// exact 8 gives 9.
double wholePartPlusOne(double x);

} // namespace springdesign
