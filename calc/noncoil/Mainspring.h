#pragma once
// Mainsprings (contact spiral springs in a barrel): the design from the wanted output torques
// and the check of a given strip in a given barrel. Results fill step by step; a fault part
// way leaves the later ones not reached (PartialResults.h).

#include "common/NotReached.h"

namespace mainspring {

struct DesignInputs {
    double e = 0;                        // Young's modulus, N/mm²
    double b = 0;                        // strip width, mm
    double minTorque = 0, maxTorque = 0; // wanted output torques, N.mm
    double turns = 0;                    // working turns
    double strength = 0;                 // tensile strength, N/mm²
};

struct DesignResults {
    double theoreticalTorque = num::notReached;
    double thickness = num::notReached;
    double arborRadius = num::notReached;
    double workingLength = num::notReached;
    double innerEnd = num::notReached;
    double outerEnd = num::notReached;
    double totalLength = num::notReached;
    double barrelRadius = num::notReached;
    double maxTurns = num::notReached;
    double woundTurns = num::notReached;
    double windingTurns = num::notReached;
    double freeTurns = num::notReached;
    double releasedTurns = num::notReached;
};

void design(const DesignInputs& in, DesignResults& r);

struct CheckInputs {
    double e = 0;
    double b = 0, h = 0; // strip width and thickness, mm
    double barrel = 0;   // barrel inner diameter D2, mm
    double arbor = 0;    // arbor diameter d1, mm
    double strength = 0; // N/mm²
};

struct CheckResults {
    double limitTorque = num::notReached;
    double maxTorque = num::notReached;
    double minTorque = num::notReached;
    double effectiveLength = num::notReached;
    double totalLength = num::notReached;
    double torquePerTurn = num::notReached;
    double woundDiameter = num::notReached;
    double releasedDiameter = num::notReached;
    double turns = num::notReached;
};

void check(const CheckInputs& in, CheckResults& r);

} // namespace mainspring
