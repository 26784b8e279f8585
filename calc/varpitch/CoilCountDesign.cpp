#include "calc/varpitch/CoilCountDesign.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace coilcount {

using num::single;

void compute(const Inputs& in, Results& r) {
    const float limitLoad = single(1.5 * in.workingLoad);
    const double d = in.d, meanDiameter = in.meanDiameter;
    const float perCoil =
        single(num::div(d * d * d * d * in.g / 8.0, meanDiameter * meanDiameter * meanDiameter));
    const float firstRate = single(num::div(in.closingLoad, in.closingDeflection));
    const float n = single(num::div(perCoil, firstRate));
    r.activeCoils = n;
    r.totalCoils = single(num::lenient(num::format(n, u"0.0")) + 2.0);

    const float ns = single(num::div((double(in.limitDeflection) - in.closingDeflection) * perCoil,
                                     double(limitLoad) - in.closingLoad));
    r.sparseCoils = ns;
    const float nm = single(double(n) - ns);
    r.denseCoils = nm;

    const float denseGap = single(num::div(in.closingDeflection, n));
    const float sparseGap = single(num::div(double(in.limitDeflection) - in.workingDeflection, ns));
    const float ts = single(d + sparseGap + denseGap + double(1.05f));
    r.sparsePitch = ts;
    const float tm = single(d + denseGap);
    r.densePitch = tm;
    r.denseLength = single(double(nm) * tm);
    r.sparseLength = single(double(ns) * ts);
}

} // namespace coilcount
