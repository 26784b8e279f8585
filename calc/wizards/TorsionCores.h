#pragma once
// The arithmetic of the torsion wizard's design step, its sub-calculators and its check step.
// Single-precision values as the wizard stores them; a zero divisor or a negative base under
// the cube root throws num::CalcFault.

namespace torsiondesign {

struct DesignInputs {
    float wireDiameter = 0;
    float meanDiameter = 0;
    float activeCoils = 0;
    float armLength1 = 0;
    float armLength2 = 0;
    float youngsModulus = 0;
    float requiredRate = 0; // K1'
    bool againstCoilHand = false;
};

struct DesignResults {
    float rate = 0;              // k = E d^4 / ((L1 + L2)*389 + D*3670*n)
    float springIndex = 0;       // C = D/d through "0.00"
    float curvatureFactor = 0;   // (4C - 1)/(4C - 4)
    float directionalFactor = 0; // 1 with the coil hand, the curvature factor against it; through "0.0"
    float rateError = 0;         // |K1' - k| * 100 / K1'
};

// Filled in this order; a fault leaves the later results as they were.
void compute(const DesignInputs& in, DesignResults& out);

// d' = (K * 10.2 * T2' / sigma bp)^(1/3).
float trialWireDiameter(float curvatureFactor, float workingTorque, float allowableBending);

// D = d * C through "0.0".
float trialMeanDiameter(float wireDiameter, float springIndex);

// n' = E d^4 phi2 / 3670 / D / T2'.
float trialActiveCoils(float youngsModulus, float wireDiameter, float workingAngle, float meanDiameter,
                       float workingTorque);

} // namespace torsiondesign

namespace torsioncheck {

struct Inputs {
    float rate = 0; // k
    float installedAngle = 0;
    float workingAngle = 0;
    float wireDiameter = 0;
    float meanDiameter = 0;
    float activeCoils = 0;
    float allowableBending = 0; // sigma bp
    float tensileStrength = 0;  // sigma b
};

struct Results {
    float installedTorque = 0;  // T1 from k through "0.000"
    float workingTorque = 0;    // T2 from k through "0.00"
    float testTorque = 0;       // Ts = 3.14159 d^3 sigma bp / 32
    float testAngle = 0;        // Ts / k
    float minStress = 0;        // from T1 through "0.000"
    float maxStress = 0;        // from T2 through "0.00"
    float stressRatio = 0;      // sigma1 / sigma2
    float strengthRatio = 0;    // sigma2 / sigma b
    bool fatigueOk = false;     // ratio <= 0.7
    float bodyFreeLength = 0;   // H0c = (n + 1) d
    float bodyLength = 0;       // Lc = D * 3.14159 * n
    float diameterDecrease = 0; // dD = D * phi s / 360 / n
    float guideRodDiameter = 0; // D - d - dD
};

Results compute(const Inputs& in);

} // namespace torsioncheck
