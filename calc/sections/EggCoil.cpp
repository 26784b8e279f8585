#include "calc/sections/EggCoil.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"

#include <cmath>

namespace eggcoil {

void compute(const Inputs& in, Results& out) {
    const float nr = num::notReachedSingle;
    out = {nr, nr, nr, nr, nr, nr, nr, nr, nr};
    const double d = in.d, n = in.activeCoils, length = in.length, f = in.deflection;
    out.rate = num::toSingle(num::div(num::div(num::div(in.g * std::pow(d, 4) / 8, n), std::pow(length, 3)),
                                      in.deformationFactor));
    out.load = num::toSingle(double(out.rate) * f);
    out.index = num::toSingle(num::div(2 * double(in.smallRadius), d));
    out.stress = num::toSingle(num::div(
        double(in.stressFactor) * in.curvatureFactor * 8 * out.load * length / 3.1416, std::pow(d, 3)));
    out.solidHeight = num::toSingle((n + 2 + 1.5) * d);
    out.freeHeight = num::toSingle(1.2 * f + out.solidHeight);
    out.pitch = num::toSingle(num::div(1.2 * f, n) + d);
    const float coilLength = num::toSingle(length * 3.1416 * in.lengthFactor);
    out.wireLength = num::toSingle((n + 2) * coilLength);
    const float angle = num::toSingle(std::atan(num::div(out.pitch, coilLength)));
    out.helixAngle = num::toSingle(double(angle) * 180 / 3.1416);
}

} // namespace eggcoil
