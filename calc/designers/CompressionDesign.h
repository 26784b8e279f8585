#pragma once
// The arithmetic of the compression spring designer (two working points H1/F1 and H2/F2),
// kept apart from its window.
//
// Every value is single precision: each step is evaluated in double and rounded when it is
// stored, and the checks compare single values with single constants, so a value on a bound
// lands on the side it always did. Arithmetic faults (C = 1, [tau] = 0, H1 = H2, G = 0, a
// negative root ...) throw num::CalcFault. The verdicts are filled in as their steps finish,
// so after a fault the caller still finds those that were decided before it.

#include <optional>

namespace compressiondesigner {

struct Inputs {
    float shearModulus = 0;    // G, N/mm2
    float allowableStress = 0; // [tau], N/mm2
    float springIndex = 0;     // C, first choice
    float installedHeight = 0; // H1, mm
    float installedLoad = 0;   // F1, N
    float workingHeight = 0;   // H2, mm
    float workingLoad = 0;     // F2, N
    // A wire diameter of the user's choice; replaces the trial diameter and is never rounded.
    std::optional<float> chosenWireDiameter;
};

struct Results {
    float wahlFactor = 0;
    float wireDiameter = 0;
    float meanDiameter = 0, innerDiameter = 0, outerDiameter = 0;
    float requiredRate = 0; // (F2 - F1) / (H1 - H2)
    float activeCoils = 0;  // rounded to whole coils, 0.5 when it rounds to 0
    float totalCoils = 0, solidHeight = 0;
    float rate = 0; // with the rounded coil count
    float installedDeflection = 0, freeHeight = 0, actualWorkingLoad = 0;
    float limitLoad = 0, limitDeflection = 0, workingDeflection = 0;
    float installedRatio = 0, workingRatio = 0; // deflection / limit deflection, to one decimal
    float pitch = 0, helixAngle = 0, slenderness = 0;
    float maxShearStress = 0, safetyFactor = 0;

    // Verdicts, in the order of the steps that decide them.
    std::optional<bool> coilsOk; // false when the coil count rounds to 0
    std::optional<bool> deformationOk, pitchOk, helixAngleOk, safetyOk;
};

// Runs every step into `out`; throws num::CalcFault at the first arithmetic fault, leaving in
// `out` what the steps before it produced.
void compute(const Inputs& in, Results& out);

} // namespace compressiondesigner
