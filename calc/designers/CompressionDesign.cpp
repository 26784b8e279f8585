#include "calc/designers/CompressionDesign.h"

#include "calc/designers/DesignMath.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

namespace compressiondesigner {

using designmath::asShown;
using designmath::cube;
using designmath::fourth;
using num::single;

void compute(const Inputs& in, Results& out) {
    const double g = in.shearModulus;
    const double tau = in.allowableStress;
    const double c = in.springIndex;
    const double h1 = in.installedHeight;
    const double h2 = in.workingHeight;
    const double f1Load = in.installedLoad;
    const double f2Load = in.workingLoad;

    out.wahlFactor = springchecks::wahlFactorSingle(in.springIndex);
    const double k = out.wahlFactor;

    if (in.chosenWireDiameter) {
        out.wireDiameter = *in.chosenWireDiameter;
    } else {
        out.wireDiameter =
            designmath::wholeSizeAboveSeven(single(springdesign::trialWireDiameter(f2Load, k, c, tau)));
    }
    const double d = out.wireDiameter;

    out.meanDiameter = single(d * c);
    out.innerDiameter = single(double(out.meanDiameter) - d);
    out.outerDiameter = single(d + double(out.meanDiameter));
    const double meanD = out.meanDiameter;

    out.requiredRate = single(num::div(f2Load - f1Load, h1 - h2));
    const float exactCoils = single(num::div(g * fourth(d), cube(meanD) * 8.0 * out.requiredRate));
    out.activeCoils = asShown(exactCoils, u"0");
    out.coilsOk = out.activeCoils != 0.0f;
    if (!*out.coilsOk)
        out.activeCoils = 0.5f;
    const double n = out.activeCoils;

    out.totalCoils = single(n + 2.0);
    out.solidHeight = single((double(out.totalCoils) - 0.5) * d);

    out.rate = single(num::div(g * fourth(d), cube(meanD) * 8.0 * n));
    out.installedDeflection = single(num::div(f1Load, out.rate));
    out.freeHeight = single(h1 + double(out.installedDeflection));
    out.actualWorkingLoad = single((h1 + double(out.installedDeflection) - h2) * double(out.rate));

    out.limitLoad = single(f2Load / 0.8);
    out.limitDeflection = single(num::div(num::div(cube(c) * 8.0 * n * double(out.limitLoad), g), d));
    out.workingDeflection = single(h1 + double(out.installedDeflection) - h2);

    out.installedRatio = asShown(single(num::div(out.installedDeflection, out.limitDeflection)), u"0.0");
    out.workingRatio = asShown(single(num::div(out.workingDeflection, out.limitDeflection)), u"0.0");
    out.deformationOk = !(out.installedRatio < 0.2f || out.workingRatio > 0.8f);

    // Strictly inside both bounds: a pitch of exactly 0.28 D or 0.5 D is NG here.
    out.pitch = single(num::div(double(out.freeHeight) - 1.5 * d, n));
    const float pitchLow = single(0.28 * meanD);
    const float pitchHigh = single(0.5 * meanD);
    out.pitchOk = pitchLow < out.pitch && out.pitch < pitchHigh;

    out.helixAngle = single(springchecks::helixAngle(out.pitch, meanD));
    out.helixAngleOk = 4.99f < out.helixAngle && out.helixAngle < 9.01f;

    out.slenderness = single(num::div(out.freeHeight, meanD));

    out.maxShearStress = single(num::div(8.0 * f2Load * k * meanD, cube(d) * 3.1416));
    out.safetyFactor = single(num::div(tau, out.maxShearStress));
    out.safetyOk = out.safetyFactor > 1.0f;
}

} // namespace compressiondesigner
