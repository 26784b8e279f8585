#include "calc/varpitch/TwoRateSpring.h"

#include "calc/varpitch/PartRates.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace tworate {

using num::single;

void compute(const Inputs& in, Results& r) {
    const float km = varpitch::cylinderRate(in.g, in.d, in.denseCoils, in.meanDiameter);
    const float kx = varpitch::cylinderRate(in.g, in.d, in.sparseCoils, in.meanDiameter);
    const float kc =
        varpitch::cylinderRate(in.g, in.d, double(in.denseCoils) + in.sparseCoils, in.meanDiameter);
    r.combinedRate = kc;
    r.sparseRate = kx;
    r.denseRate = km;

    varpitch::kneeLoadsAndChecks(
        in, in.meanDiameter, km, kc, kx,
        [&] {
            return single(double(in.denseCoils) * in.densePitch + double(in.sparseCoils) * in.sparsePitch +
                          1.5 * in.d);
        },
        [&] { return single((double(in.denseCoils) + in.sparseCoils) * in.d + 1.5 * in.d); }, r);
}

} // namespace tworate
