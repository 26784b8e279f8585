#pragma once
// The arithmetic of the extension spring designer (initial tension, two working points L1/P1
// and L2/P2), kept apart from its window.
//
// Values are single precision, each step evaluated in double and rounded when it is stored;
// the Wahl factor alone stays double. Arithmetic faults throw num::CalcFault; the verdicts are
// filled in as their steps finish, so after a fault the caller still finds those decided
// before it (G = 0 decides the initial-stress verdict and then faults).

#include <optional>

namespace extensiondesigner {

struct Inputs {
    float shearModulus = 0;    // G, N/mm2
    float allowableStress = 0; // [tau], MPa
    float springIndex = 0;     // C, trial
    float firstExtension = 0;  // L1, mm
    float firstLoad = 0;       // P1, N
    float secondExtension = 0; // L2, mm
    float secondLoad = 0;      // P2, N
    // A wire diameter of the user's choice; replaces the proposed one and is not rounded.
    std::optional<float> chosenWireDiameter;
};

struct Results {
    double wahlFactor = 0;
    float wireDiameter = 0;
    float meanDiameter = 0, innerDiameter = 0, outerDiameter = 0;
    float requiredRate = 0;
    float activeCoils = 0;
    float rate = 0;
    float initialTension = 0, initialStress = 0;
    float characteristicRatio = 0;
    float maxShearStress = 0, safetyFactor = 0;
    float limitStress = 0, limitLoad = 0;
    float freeLength = 0;

    std::optional<bool> initialStressOk, characteristicOk, safetyOk;
};

// Runs every step into `out`; throws num::CalcFault at the first arithmetic fault.
void compute(const Inputs& in, Results& out);

} // namespace extensiondesigner
