#include "calc/varpitch/LargePitchConical.h"

#include "calc/varpitch/PartRates.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace largepitch {

using num::single;

float taperedRate(double g, double d, double coils, double d1, double d2) {
    const double d4 = d * d * d * d;
    if (d1 == d2)
        return single(num::div(9.8 * g * d4, 2.0 * coils * (d1 + d2) * (d1 * d1 + d2 * d2)));
    const double r1 = d1 / 2, r2 = d2 / 2;
    return single(num::div(9.8 * g * d4 * (r2 - r1), 16.0 * coils * (r2 * r2 * r2 * r2 - r1 * r1 * r1 * r1)));
}

void compute(const Inputs& in, Results& r) {
    const float km = varpitch::cylinderRate(in.g, in.d, in.denseCoils, in.largeDiameter);
    const float kxc = varpitch::cylinderRate(in.g, in.d, in.sparseCoils, in.largeDiameter);
    const float kxt = taperedRate(in.g, in.d, in.taperedCoils, in.smallDiameter, in.largeDiameter);
    const float kx = single(num::div(double(kxc) * kxt, double(kxc) + kxt));
    const float kc = single(num::div(1.0, num::div(1.0, kxc) + num::div(1.0, km) + num::div(1.0, kxt)));
    r.denseRate = km;
    r.sparseCylinderRate = kxc;
    r.sparseTaperRate = kxt;
    r.sparseRate = kx;
    r.combinedRate = kc;

    const float closingTravel = single((double(in.densePitch) - in.d) * in.denseCoils);
    const float p3 = single(double(km) * closingTravel);
    const float f3 = single(num::div(p3, kc));
    r.kneeLoad = p3;
    r.kneeDeflection = f3;

    r.preload = varpitch::loadOnLine(in.preloadDeflection, f3, kc, p3, kx);
    r.preloadDeflection = in.preloadDeflection;
    // At or below the inflection point the working load follows the same line as the preload.
    const float p5 = varpitch::loadOnLine(in.maxDeflection, f3, kc, p3, kx);
    r.workingLoad = p5;
    r.maxDeflection = in.maxDeflection;

    const float h0 = single((double(in.taperedCoils) + in.sparseCoils) * in.sparsePitch +
                            double(in.denseCoils) * in.densePitch + 1.5 * in.d);
    r.freeHeight = h0;
    r.testLoad = varpitch::testLoad(in.d, in.coefficient, in.tensileStrength, in.largeDiameter);
    const float tau = varpitch::shearStress(p5, in.largeDiameter, in.d);
    r.shearStress = tau;

    r.verdicts.pitchTooLarge = varpitch::pitchTooLarge(in.sparsePitch, in.largeDiameter);
    const float solid =
        single((double(in.denseCoils) + in.sparseCoils + in.taperedCoils) * in.d + 1.5 * in.d);
    r.verdicts.solidLengthOk = varpitch::solidLengthOk(h0, solid, in.maxDeflection);
    r.verdicts.shearStressOk = varpitch::shearStressOk(in.coefficient, in.tensileStrength, tau);
}

} // namespace largepitch
