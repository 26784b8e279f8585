#pragma once
// The arithmetic of the expert extension calculator (Form23), apart from its window.
//
// Inputs and results are single-precision values: each expression is evaluated in double and
// rounded when it is stored. G is in kgf/mm², lengths in mm; initial tension and rate come
// out in gf and gf/mm, stresses in MPa. Divisions go through the checked helpers, so a zero
// divisor or an overflow throws num::CalcFault.

namespace extensionexpert {

// Initial tension P0 = d^4 (G 3.1416) 1000 / 800 / D / D in gf.
float initialTension(float g, float d, float meanDiameter);

// Rate k = d^4 G 1000 / 8 / D^3 / n in gf/mm.
float rate(float g, float d, float meanDiameter, float activeCoils);

// A value in gf (or gf/mm) in N (or N/mm): times 9.8 / 1000.
float toNewton(double gramForce);

// Shear stress of a load F in N: F 8 K D / pi / d / d / d, with the pi each step uses.
float shearStress(float load, float wahlFactor, float meanDiameter, float d, double pi);

// Test load Fs = d^3 3.14 tau_s / 8 / D from the test stress tau_s = (c + 0.05) sigma_b 0.8.
float testLoad(float coefficient, float tensileStrength, float d, float meanDiameter);

// Test deflection fs = (Fs - P0 9.8 / 1000) / k, with P0 in gf and k in N/mm.
float testDeflection(float testLoad, float initialTensionGf, float rateN);

} // namespace extensionexpert
