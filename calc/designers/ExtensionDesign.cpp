#include "calc/designers/ExtensionDesign.h"

#include "calc/designers/DesignMath.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

namespace extensiondesigner {

using designmath::cube;
using designmath::fourth;
using num::single;

void compute(const Inputs& in, Results& out) {
    const double g = in.shearModulus;
    const double tau = in.allowableStress;
    const double c = in.springIndex;
    const double l1 = in.firstExtension;
    const double l2 = in.secondExtension;
    const double p1 = in.firstLoad;
    const double p2 = in.secondLoad;

    out.wahlFactor = springchecks::wahlFactor(c);
    const double k = out.wahlFactor;

    if (in.chosenWireDiameter) {
        out.wireDiameter = *in.chosenWireDiameter;
    } else {
        const float trial = single(springdesign::trialWireDiameter(p2, k, c, tau));
        out.wireDiameter = designmath::wholeSizeAboveSeven(single(num::roundHalfEven(trial, 1)));
    }
    const double d = out.wireDiameter;

    out.meanDiameter = single(d * c);
    out.innerDiameter = single(double(out.meanDiameter) - d);
    out.outerDiameter = single(d + double(out.meanDiameter));
    const double meanD = out.meanDiameter;

    out.requiredRate = single(num::div(p2 - p1, l2 - l1));
    // Always the next whole coil above the quotient, also when it is already whole.
    const float exactCoils = single(num::div(fourth(d) * g, cube(meanD) * (8.0 * out.requiredRate)));
    out.activeCoils = single(springdesign::wholePartPlusOne(exactCoils));
    const double n = out.activeCoils;

    out.rate = single(num::div(fourth(d) * g, cube(meanD) * 8.0 * n));
    out.initialTension = single(p1 - double(out.rate) * l1);
    out.initialStress = single(num::div(8.0 * out.initialTension * k * meanD, 3.1416 * cube(d)));

    // The limit G/100/C as a whole number, rounded the way the "0" pattern rounds.
    const double stressLimit = num::lenient(num::format(num::div(num::div(g, 100.0), c), u"0"));
    out.initialStressOk = out.initialStress < stressLimit;

    const float checkStress = single(tau * 0.5 / 0.45);
    const float checkLoad = single(num::div(3.1416 * cube(d) * checkStress / 8.0, meanD));
    const float checkExtension = single(
        num::div(num::div(cube(meanD) * 8.0 * n * (double(checkLoad) - out.initialTension), g), fourth(d)));
    out.characteristicRatio = single(num::div(l2 - l1, checkExtension));
    out.characteristicOk = 0.199f < out.characteristicRatio && out.characteristicRatio < 0.801f;

    out.maxShearStress = single(num::div(8.0 * p2 * k * meanD, 3.1416 * cube(d)));
    out.safetyFactor = single(num::div(tau, out.maxShearStress));
    out.safetyOk = out.safetyFactor > 1.0f;

    out.limitStress = single(1.12 * tau);
    out.limitLoad = single(springdesign::loadForWireDiameter(d, out.limitStress, c, k));

    out.freeLength = single((n + 1.0) * d + 2.0 * double(out.innerDiameter));
}

} // namespace extensiondesigner
