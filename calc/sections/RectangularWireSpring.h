#pragma once
// A cylindrical compression spring of rectangular wire: a is the side across the coil, b the
// side along the axis. K2 and K3 are the section factors the user reads from the table beside
// the inputs. G in MPa, lengths in mm; rate in N/mm, loads in N, stress in MPa, weight in g.

#include "common/FatigueLife.h"

#include <optional>

namespace rectangularwire {

struct Inputs {
    double g = 0;
    double width = 0, thickness = 0, meanDiameter = 0, activeCoils = 0, totalCoils = 0;
    double freeHeight = 0, rateFactor = 0, stressFactor = 0, workingHeight = 0;
    std::optional<double> tensileStrength; // empty: no life is estimated
};

struct Results {
    // The solid height reaches the working height: nothing else is computed.
    bool solidAboveWorking = false;
    double solid = 0; // the solid height, named in that message
    std::optional<double> solidHeight, weight, roundWire, rate, workingLoad, solidLoad, stress;
    std::optional<fatigue::Life> life;
};

void compute(const Inputs& in, Results& r);

} // namespace rectangularwire
