#include "calc/designers/BufferDesign.h"

#include "calc/designers/DesignMath.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

#include <cmath>

namespace bufferdesigner {

using designmath::cube;
using designmath::fourth;
using num::single;

void compute(const Inputs& in, Results& out) {
    const double c = in.springIndex;
    const double tau = in.allowableStress;
    const double g = in.shearModulus;
    const double f = in.totalDeflection;

    // A modulus of 0 describes no spring: the design is refused like any other bad input.
    if (g == 0.0)
        throw num::CalcFault("shear modulus of zero");

    const float speed = single(1000.0 * double(in.impactSpeed)); // mm/s
    const float wahl = springchecks::wahlFactorSingle(in.springIndex);
    const double k = wahl;
    // The kinetic energy of both cars taken up over the deflection; 9800 mm/s2 is gravity.
    out.springForce = single(
        num::div(double(speed) * speed * (double(in.loadedCarMass) + in.emptyCarMass) / 8.0 / 9800.0, f));

    const float trial = single(springdesign::trialWireDiameter(out.springForce, k, c, tau));
    // Always one size above the whole part, also for a whole trial diameter.
    out.wireDiameter = single(springdesign::wholePartPlusOne(trial));
    const double d = out.wireDiameter;

    out.allowedForce = single(springdesign::loadForWireDiameter(d, tau, c, k));
    out.meanDiameter = single(c * d);
    out.innerDiameter = single(double(out.meanDiameter) - d);
    out.outerDiameter = single(d + double(out.meanDiameter));
    const double meanD = out.meanDiameter;

    out.activeCoils = single(
        springdesign::wholePartPlusOne(num::div(g * fourth(d) * f, 8.0 * out.allowedForce * cube(meanD))));
    const double n = out.activeCoils;
    out.totalCoils = single(n + 1.5);
    out.solidHeight = single((double(out.totalCoils) - 0.5) * d);
    out.pitch = single(num::div(f, n) + 1.1 * d);
    out.freeHeight = single((double(out.pitch) - d) * n + double(out.solidHeight));
    out.rate = single(num::div(g * fourth(d), 8.0 * cube(meanD) * n));
    out.maxShearStress = single(num::div(8.0 * out.allowedForce * k * meanD, 3.1416 * cube(d)));
    out.safetyFactor = single(num::div(tau, out.maxShearStress));
    // With D = C d and Pmax from the same d, C and K this is always about 1.0053: "OK".
    out.safetyOk = out.safetyFactor > 1.0f;
}

} // namespace bufferdesigner
