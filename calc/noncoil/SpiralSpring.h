#pragma once
// Non-contact flat spiral springs: the design from torque and deflection, and the check of a
// given strip. Every result starts as not reached (NaN) and is filled step by step, so a
// fault part way leaves the later results unknown (PartialResults.h).

#include "common/NotReached.h"

namespace spiral {

struct DesignInputs {
    double e = 0;          // Young's modulus of the strip, N/mm²
    double lifeFactor = 0; // allowable stress over tensile strength
    double k1 = 0, k2 = 0; // outer-end fixing factors
    double b = 0;          // strip width, mm
    double torque = 0;     // N.mm
    double angle = 0;      // deflection, rad
    double strength = 0;   // tensile strength, N/mm²
};

struct DesignResults {
    double thickness = num::notReached;
    double length = num::notReached;
    double innerRadius = num::notReached;
    double outerRadius = num::notReached;
    double pitch = num::notReached;
    double freeTurns = num::notReached;
};

void design(const DesignInputs& in, DesignResults& r);

struct CheckInputs {
    double e = 0;
    double lifeFactor = 0;
    double b = 0, h = 0; // strip width and thickness, mm
    double angle = 0;    // rotation, degrees
    double length = 0;   // effective length, mm
    double strength = 0; // N/mm²
};

// The core values hold the outer end fixed, the external ones let it turn.
struct CheckResults {
    double stiffnessCore = num::notReached; // N.mm per degree
    double stiffnessOuter = num::notReached;
    double torqueCore = num::notReached;
    double torqueOuter = num::notReached;
    double limitTorqueCore = num::notReached;
    double limitTorqueOuter = num::notReached;
    double limitAngleCore = num::notReached;
    double limitAngleOuter = num::notReached;
};

void check(const CheckInputs& in, CheckResults& r);

} // namespace spiral
