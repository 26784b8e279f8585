#pragma once
// The arithmetic of the torsion spring designer with tangential legs, kept apart from its
// window. Its rate E d^4 / (3667 D n) has no leg term and its bending stress 32 M / (pi d^3)
// no curvature factor: the tangential legs are accounted for by the correction angle B'.
//
// Values are single precision, each step evaluated in double and rounded when stored.
// Arithmetic faults throw num::CalcFault; the verdicts are filled in as their steps finish.

#include <optional>

namespace torsiondesigner {

struct Inputs {
    float youngsModulus = 0;      // E, N/mm2
    float allowableStress = 0;    // [sigma], MPa
    float leverArm = 0;           // R, mm
    float maxLoad = 0;            // Pmax, N
    float outerDiameterLimit = 0; // Dlim, mm
    float freeHeightLimit = 0;    // Hlim, mm
    float coilGap = 0;            // f, mm
    float workingAngle = 0;       // a, degrees between the legs under load
    float estimatedFreeAngle = 0; // a0, degrees between the legs when free
    // A wire diameter of the user's choice; replaces the proposed one and is not rounded.
    std::optional<float> chosenWireDiameter;
};

struct Results {
    float torque = 0;
    float wireDiameter = 0;
    float meanDiameter = 0, innerDiameter = 0;
    float outerDiameter = 0; // the limit, which the design keeps
    float activeCoils = 0;
    float torsionAngle = 0;    // a1
    float correctionAngle = 0; // B'
    float correctedAngle = 0;  // a2
    float pitch = 0;
    float bendingStress = 0;
    float freeHeight = 0;
    float impliedWorkingAngle = 0; // a0 - a2 in whole degrees
    float rate = 0;                // N mm per degree
    float actualTorque = 0;

    std::optional<bool> stressOk, freeHeightOk, angleOk;
};

// Runs every step into `out`; throws num::CalcFault at the first arithmetic fault.
void compute(const Inputs& in, Results& out);

} // namespace torsiondesigner
