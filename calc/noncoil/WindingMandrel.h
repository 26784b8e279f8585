#pragma once
// The mandrel on which a torsion spring of a wanted inner diameter is wound: the wire springs
// back after winding, so the mandrel is smaller than the inner diameter by a factor that grows
// with (d + D1) / d and with σb / E. Values are held in single precision.

#include "common/NotReached.h"

namespace mandrel {

struct Inputs {
    float d = 0;        // wire diameter, mm
    float inner = 0;    // wanted inner diameter D1, mm
    float strength = 0; // tensile strength, MPa
    float e = 0;        // Young's modulus, MPa
};

struct Results {
    float diameter = num::notReachedSingle; // D0, mm
};

void compute(const Inputs& in, Results& r);

} // namespace mandrel
