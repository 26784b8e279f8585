#include "calc/sections/EllipticalSectionTorsion.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"

namespace ellipticaltorsion {

void compute(const Inputs& in, Results& out) {
    out = {num::notReached, num::notReached, num::notReached};
    const double rate = num::div(
        num::div(in.e * in.axisA * in.axisA * in.axisA * in.axisB / 3670, in.meanDiameter), in.coils);
    out.rateN = num::finite(rate * 9.8);
    const double torque = num::finite(in.angle * rate);
    out.torqueN = num::finite(torque * 9.8);
    out.forceN = num::finite(num::div(torque, in.arm) * 9.8);
}

} // namespace ellipticaltorsion
