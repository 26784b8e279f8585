#include "calc/sections/RectangularTorsionSpring.h"

#include "common/CheckedMath.h"

namespace rectangulartorsion {

void compute(const Inputs& in, Results& r) {
    const double a = in.across;
    // E·I/(π·D2·n) per radian with I = b·a³/12, turned into degrees: the constant is 2160.
    double rate = num::finite(in.e * a * a * a * in.along / 2160);
    rate = num::div(rate, in.meanDiameter);
    rate = num::div(rate, in.coils);
    r.angularRateN = num::finite(9.8 * rate);
    const double torque = num::finite(in.angle * rate);
    r.torqueN = num::finite(9.8 * torque);
    r.forceN = num::finite(9.8 * num::div(torque, in.arm));
}

} // namespace rectangulartorsion
