#pragma once
// Mainsprings (contact spiral springs in a barrel): the design from the wanted output torques
// and the check of a given strip in a given barrel. Results fill step by step; a fault part
// way leaves the later ones not reached (PartialResults.h).

#include "common/ui/PartialResults.h"

namespace mainspring {

struct DesignInputs {
    double e = 0;                        // Young's modulus, N/mm²
    double b = 0;                        // strip width, mm
    double minTorque = 0, maxTorque = 0; // wanted output torques, N.mm
    double turns = 0;                    // working turns
    double strength = 0;                 // tensile strength, N/mm²
};

struct DesignResults {
    double theoreticalTorque = ui::notReached;
    double thickness = ui::notReached;
    double arborRadius = ui::notReached;
    double workingLength = ui::notReached;
    double innerEnd = ui::notReached;
    double outerEnd = ui::notReached;
    double totalLength = ui::notReached;
    double barrelRadius = ui::notReached;
    double maxTurns = ui::notReached;
    double woundTurns = ui::notReached;
    double windingTurns = ui::notReached;
    double freeTurns = ui::notReached;
    double releasedTurns = ui::notReached;
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
    double limitTorque = ui::notReached;
    double maxTorque = ui::notReached;
    double minTorque = ui::notReached;
    double effectiveLength = ui::notReached;
    double totalLength = ui::notReached;
    double torquePerTurn = ui::notReached;
    double woundDiameter = ui::notReached;
    double releasedDiameter = ui::notReached;
    double turns = ui::notReached;
};

void check(const CheckInputs& in, CheckResults& r);

} // namespace mainspring
