#include "calc/designers/QuickDesign.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

#include <cmath>

namespace quick {

namespace {

using num::single;

// A wire diameter, coil count or factor of 0 would make a formula meaningless; the designers
// have always carried on with a small stand-in instead.
float orInstead(float value, float standIn) {
    return value == 0 ? standIn : value;
}

double power(float base, int exponent) {
    return num::pow(double(base), exponent);
}

// The coils of a helical spring of rate k: d^4 G / (D^3 8 k). Solving the rate formula for n
// or k is the same quotient.
double rateQuotient(float d, float g, float meanDiameter, float divisor) {
    return num::div(power(d, 4) * g, power(meanDiameter, 3) * 8 * divisor);
}

} // namespace

// ---- compression spring from two working points -----------------------------------------

float maxActiveCoils(float workingHeight, float wireDiameter) {
    const float d = orInstead(wireDiameter, 0.2f);
    return single(num::div(workingHeight, d) - 2);
}

CompressionResults compute(const CompressionInputs& in) {
    CompressionResults r;
    const float d = orInstead(in.wireDiameter, 0.2f);
    r.wireDiameter = d;
    r.outerDiameter = in.outerDiameter;
    r.maxActiveCoils = maxActiveCoils(in.workingHeight, d);
    r.activeCoils = in.activeCoils ? orInstead(*in.activeCoils, 1.0f) : single(double(r.maxActiveCoils) - 1);
    const float n = r.activeCoils;
    r.meanDiameter = single(double(in.outerDiameter) - d);
    const float meanD = r.meanDiameter;
    r.rate = single(rateQuotient(d, in.shearModulus, meanD, n));
    r.workingDeflection = single(num::div(in.workingLoad, r.rate));
    // The free height is taken to a tenth of a millimetre, as it is shown, before the load at
    // the installed height is worked out from it.
    const float exactFree = single(double(r.workingDeflection) + in.workingHeight);
    r.freeHeight = single(num::strictOrFault(num::formatSingle(exactFree, u"0.0")));
    const float h0 = r.freeHeight;
    r.innerDiameter = single(double(in.outerDiameter) - d - d);
    r.totalCoils = single(double(n) + 2);
    r.solidHeight = num::finite((double(r.totalCoils) - 0.5) * d);
    r.actualInstalledLoad = single((double(h0) - in.installedHeight) * r.rate);
    r.pitch = single(num::div(double(h0) - r.solidHeight, n) + d);
    r.loadLow = num::finite(0.9 * in.installedLoad);
    r.loadHigh = num::finite(1.1 * in.installedLoad);
    r.pitchLow = num::finite((1.0 / 3.0) * meanD);
    r.pitchHigh = num::finite(double(meanD) / 2);
    r.solidHeightOk = !(r.solidHeight > in.workingHeight);
    r.installedLoadOk =
        single(r.loadLow) <= r.actualInstalledLoad && r.actualInstalledLoad <= single(r.loadHigh);
    r.pitchOk = single(r.pitchLow) <= r.pitch && r.pitch <= single(r.pitchHigh);
    return r;
}

// ---- extension spring with hooks --------------------------------------------------------

float raiseToHalfCoil(float coils) {
    const double whole = std::floor(double(coils));
    const float fraction = single(double(coils) - whole);
    if (0.5 > fraction)
        return single(whole + 0.5);
    return single(std::floor(double(coils) + 0.5));
}

ExtensionResults compute(const ExtensionInputs& in) {
    ExtensionResults r;
    const float d = in.wireDiameter;
    const float d1 = in.innerDiameter;
    r.wireDiameter = d;
    r.innerDiameter = d1;
    r.meanDiameter = single(double(d1) + d);
    r.outerDiameter = single(double(d) + d + d1);
    const float meanD = r.meanDiameter;
    r.requiredRate = single(
        num::div(double(in.workingLoad) - in.installedLoad, double(in.workingLength) - in.installedLength));
    r.rawCoils = single(rateQuotient(d, in.shearModulus, meanD, r.requiredRate));
    r.activeCoils = raiseToHalfCoil(r.rawCoils);
    const float n = r.activeCoils;
    r.freeLength = single((double(n) + 1.5) * d + (double(d1) + d1));
    r.rate = single(rateQuotient(d, in.shearModulus, meanD, n));
    r.initialTension = single(in.workingLoad - (double(in.workingLength) - r.freeLength) * r.rate);
    // The free length must stay more than half a millimetre short of the installed length.
    r.freeLengthOk = !(single(double(r.freeLength) + 0.5) >= in.installedLength);
    r.coilsOk = n >= 3;
    r.initialTensionOk = r.initialTension >= 0;
    return r;
}

// ---- torsion spring with straight legs --------------------------------------------------

CoilVerdict coilVerdict(float activeCoils) {
    return activeCoils < 1 ? CoilVerdict::TooFew : activeCoils > 50 ? CoilVerdict::TooMany : CoilVerdict::Ok;
}

TorsionResults compute(const TorsionInputs& in) {
    TorsionResults r;
    const float d = orInstead(in.wireDiameter, 0.2f);
    const float d1 = in.innerDiameter;
    r.wireDiameter = d;
    r.innerDiameter = d1;
    r.outerDiameter = single(double(d1) + d + d);
    r.meanDiameter = single(double(d1) + d);
    const float meanD = r.meanDiameter;
    const double loadStep = double(in.workingLoad) - in.installedLoad;
    const double legs = double(in.leg2) + in.leg1;
    // The coils for which the rate turns the legs through a1 - a2 under the torque step, in
    // one chain: (d^4 E (a1 - a2) - dP R1 389 (L2 + L1)) / dP / R1 / 3667 / D.
    double coils = power(d, 4) * in.youngsModulus * (double(in.installedAngle) - in.workingAngle) -
                   loadStep * in.loadArm * 389 * legs;
    coils = num::div(coils, loadStep);
    coils = num::div(coils, in.loadArm);
    coils = num::div(coils, 3667);
    coils = num::div(coils, meanD);
    r.activeCoils = single(coils);
    const float n = r.activeCoils;
    r.rate = single(springs::torsionSpringRate(in.youngsModulus, d, meanD, n, in.leg1, in.leg2));
    r.installedTwist = single(num::div(double(in.loadArm) * in.installedLoad, r.rate));
    r.workingTwist = single(num::div(double(in.loadArm) * in.workingLoad, r.rate));
    r.installedTorque = single(double(r.installedTwist) * r.rate);
    r.workingTorque = single(double(r.workingTwist) * r.rate);
    const float windDown = single(num::div(double(r.workingTwist) / 360, n) * meanD);
    r.woundInnerDiameter = single(double(d1) - windDown);
    r.solidHeight = single(double(n) * d + d);
    r.freeAngle = single(double(r.installedTwist) + in.installedAngle);
    r.coils = coilVerdict(n);
    return r;
}

// ---- compression spring from rate, deflection and mean diameter -------------------------

RateDiameters typedDiameters(const RateInputs& in) {
    return {single(double(in.meanDiameter) - in.wireDiameter), in.meanDiameter,
            single(double(in.meanDiameter) + in.wireDiameter)};
}

RateResults compute(const RateInputs& in) {
    RateResults r;
    r.diameters = typedDiameters(in);
    const float psi = orInstead(in.loadClassFactor, 0.2f);
    const float k = orInstead(in.rate, 0.2f);
    const float d = orInstead(in.wireDiameter, 0.2f);
    const float meanD = in.meanDiameter;
    r.activeCoils = single(rateQuotient(d, in.shearModulus, meanD, k));
    const float n = r.activeCoils;
    r.totalCoils = single(double(n) + 2);
    r.pitch = single(num::div(num::div(in.deflection, psi), n) + d + double(d) * 0.1);
    r.pitchLow = num::finite(0.3 * meanD);
    r.pitchHigh = num::finite(0.5 * meanD);
    r.freeHeight = single(double(r.pitch) * n + double(d) * 1.5);
    r.solidHeight = single((double(n) + 1.5) * d);
    r.maxDeflection = single(double(r.freeHeight) - r.solidHeight);
    // A wire of cross-section pi d^2/4 and length pi D n1 at 7.85 g/cm³.
    r.weight = single(power(d, 2) * (double(meanD) * 3.1416 * r.totalCoils * 3.1416) / 4 * 7.85 / 1000);
    r.pitchOk = single(r.pitchLow) <= r.pitch && r.pitch <= single(r.pitchHigh);
    return r;
}

} // namespace quick
