#include "calc/sections/RectangularWireSpring.h"

#include "common/CheckedMath.h"

namespace rectangularwire {

namespace {
constexpr double kPi = 3.14159;
constexpr double kDensity = 7.9; // g/cm³, the same for every material
} // namespace

void compute(const Inputs& in, Results& r) {
    const double a = in.width, b = in.thickness, d2 = in.meanDiameter;
    const double solid = num::finite(b * in.totalCoils);
    r.solid = solid;
    if (solid >= in.workingHeight) {
        r.solidAboveWorking = true;
        return;
    }
    r.solidHeight = solid;
    r.weight = num::finite(d2 * kPi * in.totalCoils * a * b * kDensity / 1000);

    const double c = num::div(d2, a);
    const double k = num::finite(1 + num::div(1.2, c) + num::div(0.56, c * c) + num::div(0.5, c * c * c));
    r.roundWire = num::sqrt(4 * a * b / kPi);

    // The longer side enters the rate once and the shorter one cubed, the stress once and squared.
    const double longer = a > b ? a : b, shorter = a > b ? b : a;
    const double rate = num::div(4 * in.g * in.rateFactor * longer * shorter * shorter * shorter,
                                 kPi * d2 * d2 * d2 * in.activeCoils);
    r.rate = rate;
    r.workingLoad = num::finite((in.freeHeight - in.workingHeight) * rate);
    const double solidLoad = num::finite((in.freeHeight - solid) * rate);
    r.solidLoad = solidLoad;
    const double stress = num::div(k * solidLoad * d2, 2 * in.stressFactor * longer * shorter * shorter);
    r.stress = stress;
    if (in.tensileStrength)
        r.life = fatigue::compression(stress, *in.tensileStrength, fatigue::Precision::Double);
}

} // namespace rectangularwire
