#include "calc/designers/TorsionDesign.h"

#include "calc/designers/DesignMath.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>

namespace torsiondesigner {

using designmath::cube;
using designmath::fourth;
using num::single;

void compute(const Inputs& in, Results& out) {
    const double e = in.youngsModulus;
    const double sigma = in.allowableStress;
    const double r = in.leverArm;
    const double outerLimit = in.outerDiameterLimit;
    const double heightLimit = in.freeHeightLimit;
    const double gap = in.coilGap;
    const double freeAngle = in.estimatedFreeAngle;

    out.torque = single(r * double(in.maxLoad));
    const double m = out.torque;

    if (in.chosenWireDiameter) {
        out.wireDiameter = *in.chosenWireDiameter;
    } else {
        // A negative radicand has no real cube root and faults, as a negative root does.
        const double radicand = num::div(m * 32.0 / 3.1416, sigma);
        const float trial = single(num::pow(radicand, 1.0 / 3.0));
        out.wireDiameter = designmath::wholeSizeAboveSeven(single(num::roundHalfEven(trial, 2)));
    }
    const double d = out.wireDiameter;

    out.meanDiameter = single(outerLimit - d);
    out.innerDiameter = single(outerLimit - d - d);
    out.outerDiameter = in.outerDiameterLimit;
    const double meanD = out.meanDiameter;

    // Whole coils that fit under the height limit, plus the fraction the free angle gives.
    out.activeCoils = single(std::floor(num::div(heightLimit - d, gap + d)) + (180.0 - freeAngle) / 360.0);
    const double n = out.activeCoils;

    out.torsionAngle = single(num::div(meanD * 3667.0 * n * m, fourth(d) * e));
    const double armRatio = num::div(r, meanD);
    out.correctionAngle = single(
        num::div(double(out.torsionAngle) * (4.0 * armRatio * armRatio - 1.0), 37.6992 * n * armRatio));
    out.correctedAngle = single(double(out.torsionAngle) + double(out.correctionAngle));

    out.pitch = single(gap + d);
    out.bendingStress = single(num::div(32.0 * m, cube(d) * 3.1416));
    out.stressOk = out.bendingStress < in.allowableStress;

    out.freeHeight = single((gap + d) * n + d);
    out.freeHeightOk = out.freeHeight < in.freeHeightLimit;

    const float impliedAngle = single(freeAngle - double(out.correctedAngle));
    out.impliedWorkingAngle = designmath::asShown(impliedAngle, u"0");
    out.angleOk = out.impliedWorkingAngle == in.workingAngle;

    out.rate = single(num::div(fourth(d) * e, meanD * 3667.0 * n));
    out.actualTorque = single(double(out.rate) * double(out.torsionAngle));
}

} // namespace torsiondesigner
