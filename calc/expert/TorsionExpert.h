#pragma once
// The arithmetic of the expert torsion calculator (Form22), apart from its window.
//
// Young's modulus is a four-decimal fixed-point value; every other quantity is a single-
// precision value, each expression evaluated in double and rounded when it is stored, with
// the exceptions each function names. Divisions and stores go through the checked helpers,
// so a zero divisor or an overflow throws num::CalcFault.
//
// compute() runs the whole calculation: the rate, the force, torque and tolerance at the first
// angle, the section, the body length; with a tensile strength and coefficient the smallest
// stress, then the second angle with its stresses, life and test characteristic, and when a
// third angle is typed the same for it, which takes over. Where a step goes on from a force or
// torque, it uses the value as shown. The results are filled in the order the window shows
// them; one not reached stays NaN, so after an arithmetic fault the window still shows what
// came before it.

#include "common/FatigueLife.h"
#include "common/NotReached.h"

#include <optional>

namespace torsionexpert {

using num::notReached;
using num::notReachedSingle;

struct Inputs {
    double modulus = 0;        // E as typed, N/mm²
    float d = 0, D = 0, n = 0; // mm, mm, active coils
    float a1 = 0, a2 = 0;      // working angles, degrees
    double a3 = 0;             // the third angle, when a3Given
    bool a3Given = false;
    float L1 = 0, L2 = 0; // leg lengths
    float arm = 0;        // force arm, when armGiven; else the force acts at the end of leg 1
    bool armGiven = false;
    float freeAngle = 0, angleTolerance = 0;
    double tensileStrength = 0, coefficient = 0; // the strength part runs only when strengthGiven
    bool strengthGiven = false;
};

// At the second or third working angle.
struct Angle {
    float force = notReachedSingle; // N
    double forceKgf = notReached;
    float torque = notReachedSingle;    // N.mm
    float tolerance = notReachedSingle; // of the torque, as a fraction
    float innerDiameter = notReachedSingle;
    float sigmaMaxSingle = notReachedSingle; // second angle: the stress as a single
    double sigmaMax = notReached;            // third angle: the stress stays in double
    float strengthRatio = notReachedSingle;  // sigma max over the tensile strength
    float safetyFactor = notReachedSingle;
    float stressRatio = notReachedSingle; // sigma min over sigma max
    std::optional<bool> belowAllowable;
    std::optional<fatigue::Life> life;
    float testTorque = notReachedSingle;
    float testAngle = notReachedSingle;
    float deformationRatio = notReachedSingle;
    std::optional<bool> deformationOk;
};

struct Results {
    float rate = notReachedSingle; // N.mm per degree
    float force1 = notReachedSingle;
    double force1Kgf = notReached;
    float torque1 = notReachedSingle;
    float tolerance1 = notReachedSingle;
    float springIndex = notReachedSingle;
    float curvatureFactor = notReachedSingle;
    double momentOfInertia = notReached; // mm4
    double sectionModulus = notReached;  // mm3
    std::optional<bool> springIndexOk;
    float bodyLength = notReachedSingle;
    float allowableStress = notReachedSingle;
    float sigmaMin = notReachedSingle;
    float minStrengthRatio = notReachedSingle; // sigma min over the tensile strength
    Angle second, third;
};

// Throws num::CalcFault on an arithmetic fault; what was reached stays in `r`.
void compute(const Inputs& in, Results& r);

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
