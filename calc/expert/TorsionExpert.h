#pragma once
// The arithmetic of the expert torsion calculator (Form22), apart from its window.
//
// Young's modulus is a four-decimal fixed-point value; every other quantity is a single-
// precision value, each expression evaluated in double and rounded when it is stored, with
// the exceptions each function names. Divisions and stores go through the checked helpers,
// so a zero divisor or an overflow throws num::CalcFault.

namespace torsionexpert {

// The modulus as the calculator holds it: rounded half to even to four decimals; beyond the
// range of that fixed-point type (about 9.2e14) the store overflows.
double fixedPointModulus(double typed);

// Torque per degree k = E d^4 / ((L1 + L2) 389 + 3667 D n): numerator and denominator are each
// rounded to single precision before the division.
float rate(double modulus, float d, float meanDiameter, float activeCoils, float leg1, float leg2);

// Bending stress of a torque M in a wire of diameter d: M 32 K / 3.14 / d^3, in double.
double bendingStress(double torque, float curvatureFactor, float d);

// Body length after twisting: (free angle / 360 + n + 1 + angle / 360) d.
float bodyLength(float freeAngle, float activeCoils, float angle, float d);

// Inner diameter after twisting by an angle: (D - d) - (angle D / 360) / (free angle / 360 + n)
// - 0.1, the 0.1 mm last.
float innerDiameter(float meanDiameter, float d, float angle, float freeAngle, float activeCoils);

// Test torque from the test stress (c + 0.08) sigma_b: d^3 3.1416 sigma_s / 32.
float testTorque(float coefficient, float tensileStrength, float d);

// Test angle in degrees: 3667 Ts ((L1 + L2) / 3 + 3.1416 D n) / (3.1416 E d^4), numerator and
// denominator in double, the quotient rounded to single precision.
float testAngle(float testTorque, float leg1, float leg2, float meanDiameter, float activeCoils,
                double modulus, float d);

} // namespace torsionexpert
