#include "calc/sections/HourglassSpring.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"

#include <cmath>

namespace hourglass {

double springRate(double g, double d, double n, double waistRadius, double endRadius) {
    const double a = endRadius - waistRadius;
    const double shape =
        35 * waistRadius * waistRadius * endRadius + 21 * waistRadius * a * a + 5 * a * a * a;
    return num::div(num::div(35 * g * std::pow(d, 4) / 64, n), shape);
}

void compute(const Inputs& in, Results& out) {
    out = {num::notReached, num::notReached, num::notReached, num::notReached, num::notReached, false};
    const double endRadius = (in.endOuter - in.d) / 2;
    const double waistRadius = (in.waistOuter - in.d) / 2;
    const double deflection = in.freeHeight - in.height1;
    const double rate = springRate(in.g, in.d, in.activeCoils, waistRadius, endRadius);
    out.rateN = num::finite(rate * 9.8);
    const double load1 = num::finite(deflection * rate);
    out.load1N = num::finite(load1 * 9.8);
    out.load1 = load1;
    // The full pitch, not the gap between coils, as the closing loads have always been worked out.
    const double pitch = num::div(in.freeHeight - 1.5 * in.d, in.activeCoils);
    const double d4 = std::pow(in.d, 4);
    const double closeLoad = num::div(in.g * d4 * pitch, 64 * std::pow(endRadius, 3));
    out.closeLoadN = num::finite(closeLoad * 9.8);
    const double solidLoad = num::div(in.g * d4 * pitch, 64 * std::pow(waistRadius, 3));
    out.solidLoadN = num::finite(solidLoad * 9.8);
    out.beyondContact = load1 > closeLoad;
}

} // namespace hourglass
