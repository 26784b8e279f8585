#include "calc/sections/FlatWireSpring.h"

#include "common/CheckedMath.h"

namespace flatwire {

namespace {
constexpr double kPi = 3.14;
} // namespace

void compute(const Inputs& in, Results& r) {
    const double b = in.width, h = in.thickness, rr = in.edgeRadius;
    const double e = b - 2 * rr;
    // The straight part counts with the thickness h about the a axis, with 2r about the b axis.
    const double ia = num::finite(kPi * rr * rr * rr * rr / 4 + e * h * h * h / 12);
    r.momentA = ia;
    const double ib = num::finite(kPi * rr * rr * rr * rr / 4 + 4 * e * rr * rr * rr / 3 +
                                  kPi * rr * rr * e * e / 4 + e * e * e * rr / 6);
    r.momentB = ib;
    const double ip = num::finite(ia + ib);
    r.polarMoment = ip;
    const double d = in.meanDiameter;
    const double rate = num::div(4 * in.g * ip, kPi * d * d * d * in.activeCoils);
    r.rate = rate;
    r.load = num::finite(in.deflection * rate);
}

} // namespace flatwire
