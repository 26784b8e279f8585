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

    const float closingTravel = single((double(in.densePitch) - in.d) * in.denseCoils);
    const float p3 = single(double(km) * closingTravel);
    const float f3 = single(num::div(p3, kc));
    r.kneeLoad = p3;
    r.kneeDeflection = f3;

    r.preload = varpitch::loadOnLine(in.preloadDeflection, f3, kc, p3, kx);
    r.preloadDeflection = in.preloadDeflection;
    // A maximum deflection at or below the knee lies on the same line as the preload: the
    // sparse branch alone would give less than P3 there.
    const float p5 = varpitch::loadOnLine(in.maxDeflection, f3, kc, p3, kx);
    r.workingLoad = p5;
    r.maxDeflection = in.maxDeflection;

    const float h0 =
        single(double(in.denseCoils) * in.densePitch + double(in.sparseCoils) * in.sparsePitch + 1.5 * in.d);
    r.freeHeight = h0;
    r.testLoad = varpitch::testLoad(in.d, in.coefficient, in.tensileStrength, in.meanDiameter);
    const float tau = varpitch::shearStress(p5, in.meanDiameter, in.d);
    r.shearStress = tau;

    r.verdicts.pitchTooLarge = varpitch::pitchTooLarge(in.sparsePitch, in.meanDiameter);
    const float solid = single((double(in.denseCoils) + in.sparseCoils) * in.d + 1.5 * in.d);
    r.verdicts.solidLengthOk = varpitch::solidLengthOk(h0, solid, in.maxDeflection);
    r.verdicts.shearStressOk = varpitch::shearStressOk(in.coefficient, in.tensileStrength, tau);
}

} // namespace tworate
