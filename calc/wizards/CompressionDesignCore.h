#pragma once
// The arithmetic of the compression wizard's design step and its three sub-calculators.
// Values are single precision as the wizard stores them; formulas are evaluated in double in
// the order written here. A zero divisor or a negative root throws num::CalcFault.

namespace compressiondesign {

struct DesignInputs {
    float wireDiameter = 0; // d
    float meanDiameter = 0; // D
    float activeCoils = 0;  // n
    float shearModulus = 0; // G
    float requiredRate = 0; // K1'
    float endCoils = 0;     // n2
};

struct DesignResults {
    float rate = 0;        // k = G d^4 / (8 D^3 n), as G*d*d*d*d/8/D/D/D/n
    float totalCoils = 0;  // n1 = n2 + n
    float springIndex = 0; // C = D/d through "0.00"
    float wahlFactor = 0;  // K of that C, through "0.00"
    float rateError = 0;   // |K1' - k| * 100 / K1'
};

// The design step's tick. The results are filled in the order above; a fault leaves the
// later ones as they were.
void compute(const DesignInputs& in, DesignResults& out);

// Trial wire diameter d' = 1.6 sqrt(K C' F2' / [tau]).
float trialWireDiameter(float wahlFactor, float trialIndex, float workingLoad, float allowableShear);

// Trial mean diameter D' = d C'' through "0.0".
float trialMeanDiameter(float wireDiameter, float trialIndex);

// Trial active coils n' = G D / (8 C^4 K1'), as D*G/8/C/C/C/C/K1'.
float trialActiveCoils(float shearModulus, float meanDiameter, float springIndex, float requiredRate);

} // namespace compressiondesign
