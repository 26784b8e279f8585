#include "calc/varpitch/OvalCoil.h"

#include "common/CheckedMath.h"
#include "common/CoilShapeFactor.h"
#include "common/Numbers.h"

namespace ovalcoil {

using num::single;

bool coilsFit(float d, float activeCoils, float firstHeight, float secondHeight) {
    const float solid = single((double(activeCoils) + 2.0) * d);
    return !(solid > firstHeight) && !(solid > secondHeight);
}

void compute(const Inputs& in, Results& r) {
    const float f1 = single(double(in.freeHeight) - in.firstHeight);
    // The deflection to the second height and the first load are four-decimal fixed-point values.
    const double f2 = num::fixed4(double(in.freeHeight) - in.secondHeight);
    const float halfLarge = single((double(in.largeDiameter) - in.d) / 2.0);
    const float halfSmall = single((double(in.smallDiameter) - in.d) / 2.0);
    const float ratio = single(num::div(halfSmall, halfLarge));

    r.coilsFit = coilsFit(in.d, in.activeCoils, in.firstHeight, in.secondHeight);
    if (!r.coilsFit)
        return;

    const double d = in.d, mean = double(in.largeDiameter) - in.d;
    const double stiffness = d * d * d * d * in.g / 8.0; // held in double
    const float roundRate = single(num::div(num::div(stiffness, mean * mean * mean), in.activeCoils));
    const double factor = coilshape::roundedShapeFactor(coilshape::ovalShapeFactor(ratio));
    const float k = single(num::div(roundRate, factor));
    r.rateN = double(k) * 9.8;

    const double p1 = num::fixed4(double(k) * f1);
    r.load1Gf = p1 * 1000.0;
    r.load1N = p1 * 9.8;
    const float p2 = single(f2 * k);
    r.load2Gf = single(double(p2) * 1000.0);
    r.load2N = double(p2) * 9.8;
}

} // namespace ovalcoil
