#include "calc/varpitch/BarrelMiddle.h"

#include "calc/varpitch/PartRates.h"
#include "common/Numbers.h"

namespace barrelmiddle {

void compute(const Inputs& in, Results& r) {
    using varpitch::cylinderRate, varpitch::taperRate, varpitch::inSeries;
    const float denseCylinder =
        cylinderRate(in.g, in.d, double(in.denseCoils) - in.denseTaperedCoils, in.middleDiameter);
    const float sparseCylinder = cylinderRate(
        in.g, in.d, double(in.totalCoils) - in.denseCoils - in.sparseTaperedCoils, in.middleDiameter);
    const float denseTaper =
        taperRate(in.g, in.d, in.denseTaperedCoils, in.denseEndDiameter, in.middleDiameter);
    const float sparseTaper =
        taperRate(in.g, in.d, in.sparseTaperedCoils, in.sparseEndDiameter, in.middleDiameter);

    const float dense = inSeries(denseCylinder, denseTaper);
    const float sparse = inSeries(sparseCylinder, sparseTaper);
    r.laterRate = sparse;
    r.initialRate = inSeries(sparse, dense);
    r.nodePosition = num::single((double(in.densePitch) - in.d) * in.totalCoils);
}

} // namespace barrelmiddle
