#include "calc/sections/SquareWireSpring.h"

#include "common/CheckedMath.h"

namespace squarewire {

void compute(const Inputs& in, Results& r) {
    const double a = in.side, d = in.meanDiameter;
    double k = num::finite(in.g * a * a * a * a);
    k = num::div(k, d);
    k = num::div(k, d);
    k = num::div(k, d);
    k = num::div(k, in.activeCoils);
    r.rate = num::div(k, 5.57);
    r.load = num::finite(in.deflection * *r.rate);
}

} // namespace squarewire
