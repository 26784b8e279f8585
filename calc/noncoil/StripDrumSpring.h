#pragma once
// Strips coiled on a drum: the constant-force spring pulled off its coil and the
// constant-torque spring running from its input drum onto an output drum.

#include "common/NotReached.h"

namespace drum {

struct Inputs {
    double e = 0;          // Young's modulus, N/mm²
    double b = 0, h = 0;   // strip width and thickness, mm
    double inner = 0;      // natural inner diameter of the coil, mm
    double outputDrum = 0; // output drum diameter (constant torque only), mm
};

struct Results {
    double load = num::notReached;   // constant force N, or constant torque N.mm
    double stress = num::notReached; // bending stress, N/mm²
};

void constantForce(const Inputs& in, Results& r);
void constantTorque(const Inputs& in, Results& r);

} // namespace drum
