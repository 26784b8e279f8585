#include "calc/wizards/TorsionCores.h"

#include "calc/wizards/WizardFormulas.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159;

using wizardformulas::throughPattern;

} // namespace

namespace torsiondesign {

void compute(const DesignInputs& in, DesignResults& out) {
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    // 3670 and 389 as the torsion wizard has always computed the rate.
    const double denominator =
        (double(in.armLength1) + double(in.armLength2)) * 389.0 + D * 3670.0 * double(in.activeCoils);
    out.rate = num::single(num::div(double(in.youngsModulus) * d * d * d * d, denominator));
    out.springIndex = num::single(throughPattern(num::div(D, d), "0.00"));
    out.curvatureFactor = num::single(springs::curvatureFactor(out.springIndex));
    const double factor = in.againstCoilHand ? springs::curvatureFactor(out.springIndex) : 1.0;
    out.directionalFactor = num::single(throughPattern(factor, "0.0"));
    const double error =
        num::div((double(in.requiredRate) - double(out.rate)) * 100.0, double(in.requiredRate));
    out.rateError = num::single(std::fabs(error));
}

float trialWireDiameter(float curvatureFactor, float workingTorque, float allowableBending) {
    const double base =
        num::div(double(curvatureFactor) * 10.2 * double(workingTorque), double(allowableBending));
    if (base < 0)
        throw num::CalcFault("cube root of a negative number");
    return num::single(num::pow(base, 1.0 / 3.0));
}

float trialMeanDiameter(float wireDiameter, float springIndex) {
    return num::single(throughPattern(double(wireDiameter) * double(springIndex), "0.0"));
}

float trialActiveCoils(float youngsModulus, float wireDiameter, float workingAngle, float meanDiameter,
                       float workingTorque) {
    const double d = wireDiameter;
    const double top = double(youngsModulus) * d * d * d * d * double(workingAngle) / 3670.0;
    return num::single(num::div(num::div(top, double(meanDiameter)), double(workingTorque)));
}

} // namespace torsiondesign

namespace torsioncheck {

Results compute(const Inputs& in) {
    Results r;
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    const double n = in.activeCoils;
    // T1 takes k to three decimals, T2 to two.
    r.installedTorque = num::single(throughPattern(in.rate, "0.000") * double(in.installedAngle));
    r.workingTorque = num::single(throughPattern(in.rate, "0.00") * double(in.workingAngle));
    r.testTorque = num::single(kPi * d * d * d * double(in.allowableBending) / 32.0);
    r.testAngle = num::single(num::div(r.testTorque, in.rate));
    auto stress = [&](double torque) {
        return num::single(num::div(num::div(num::div(torque * 32.0 / kPi, d), d), d));
    };
    r.minStress = stress(throughPattern(r.installedTorque, "0.000"));
    r.maxStress = stress(throughPattern(r.workingTorque, "0.00"));
    r.stressRatio = num::single(num::div(r.minStress, r.maxStress));
    r.strengthRatio = num::single(num::div(r.maxStress, in.tensileStrength));
    r.fatigueOk = r.strengthRatio <= 0.7f;
    r.bodyFreeLength = num::single((n + 1.0) * d);
    r.bodyLength = num::single(D * kPi * n);
    r.diameterDecrease = num::single(num::div(D * double(r.testAngle) / 360.0, n));
    r.guideRodDiameter = num::single(D - d - double(r.diameterDecrease));
    return r;
}

} // namespace torsioncheck
