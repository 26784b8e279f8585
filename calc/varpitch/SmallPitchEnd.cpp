#include "calc/varpitch/SmallPitchEnd.h"

#include "calc/varpitch/PartRates.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace smallpitch {

void compute(const Inputs& in, Results& r) {
    const float body =
        varpitch::cylinderRate(in.g, in.d, double(in.totalCoils) - in.denseCoils, in.largeDiameter);
    const float dense =
        varpitch::cylinderRate(in.g, in.d, double(in.denseCoils) - in.taperedCoils, in.largeDiameter);
    const float taper = varpitch::taperRate(in.g, in.d, in.taperedCoils, in.smallDiameter, in.largeDiameter);
    const double ka = body, kb = dense, kc = taper;
    r.initialRate = num::single(num::div(ka * kb * kc, ka * kb + kb * kc + ka * kc));
    r.laterRate = body;
    r.nodePosition = num::single((double(in.densePitch) - in.d) * in.totalCoils);
}

} // namespace smallpitch
