#include "calc/sections/SquareCoilSpring.h"

#include "common/CheckedMath.h"
#include "common/CoilShapeFactor.h"
#include "common/Numbers.h"

namespace squarecoil {

using num::single;

void compute(const Inputs& in, Results& r) {
    const float c = single(1.5 * in.d);
    const float f1 = single(double(in.freeHeight) - in.firstHeight);
    const double f2 = num::fixed4(double(in.freeHeight) - in.secondHeight);
    const float halfLength = single((double(in.length) - in.d) / 2);
    const float halfWidth = single((double(in.width) - in.d) / 2);
    const float sideRatio = single(num::div(halfWidth, halfLength));
    const float secondRatio = single(num::div(c, halfWidth));

    // The solid height may equal a working height but not exceed it.
    const float solid = single((double(in.activeCoils) + 2) * in.d);
    r.coilsFit = !(solid > in.firstHeight) && !(solid > in.secondHeight);
    if (!r.coilsFit)
        return;

    const double d = in.d;
    const double stiffness = d * d * d * d * in.g / 8; // held in double
    const double mean = double(in.length) - in.d;
    const float roundRate = single(num::div(num::div(stiffness, mean * mean * mean), in.activeCoils));
    r.shapeFactor = coilshape::roundedShapeFactor(coilshape::shapeFactor(sideRatio, secondRatio));
    const float k = single(num::div(roundRate, single(r.shapeFactor)));
    r.rate = k;
    const double p1 = num::fixed4(double(k) * f1);
    r.load1 = p1;
    r.load1N = p1 * 9.8;
    const float p2 = single(f2 * k);
    r.load2 = p2;
    r.load2N = double(p2) * 9.8;
}

} // namespace squarecoil
