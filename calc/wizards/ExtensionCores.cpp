#include "calc/wizards/ExtensionCores.h"

#include "calc/wizards/WizardFormulas.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"

#include <cmath>

namespace {

float throughPattern(double value, const char* pattern) {
    return num::single(wizardformulas::throughPattern(value, pattern));
}

} // namespace

namespace extensiondesign {

void compute(const DesignInputs& in, DesignResults& out) {
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    out.rate = wizardformulas::coilRate(in.shearModulus, d, D, in.activeCoils);
    const double error =
        num::div((double(in.requiredRate) - double(out.rate)) * 100.0, double(in.requiredRate));
    out.rateError = num::single(std::fabs(error));
    out.springIndex = throughPattern(num::div(D, d), "0.00");
    // A spring index of 1 or less has no Wahl factor; the last one stays.
    if (hasWahlFactor(out.springIndex))
        out.wahlFactor = throughPattern(springchecks::wahlFactor(out.springIndex), "0.00");
}

bool hasWahlFactor(float springIndex) {
    return 4.0 * double(springIndex) - 4.0 > 0.0;
}

double shownWahlFactor(float springIndex) {
    return springchecks::wahlFactor(springIndex);
}

} // namespace extensiondesign

namespace extensioncheck {

namespace {
constexpr double kPi = 3.14159;
}

float freeLength(const QString& endType, float wireDiameter, float meanDiameter, float activeCoils) {
    const double d = wireDiameter;
    const double D = meanDiameter;
    const double n = activeCoils;
    if (endType == QLatin1String("L I") || endType == QLatin1String("R LI"))
        return num::single((n + 1) * d + D - d);
    if (endType == QLatin1String("L II") || endType == QLatin1String("R LII"))
        return num::single((n + 1) * d + 2 * (D - d));
    if (endType == QLatin1String("L III") || endType == QLatin1String("R LIII"))
        return num::single(2 * (D - d) + (n + 1.5) * d);
    return num::single(n * d);
}

Results compute(const Inputs& in) {
    Results r;
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    const double k = in.rate;
    r.testLoad = num::single(1.25 * double(in.workingLoad));
    r.initialTension =
        num::single(num::div(num::div(d * kPi * d * d * d * double(in.shearModulus) / 800.0, D), D));
    const double F0 = r.initialTension;
    r.installedDeflection = num::single(num::div(double(in.installedLoad) - F0, k));
    r.workingDeflection = num::single(num::div(double(in.workingLoad) - F0, k));
    r.testDeflection = num::single(num::div(double(r.testLoad) - F0, k));
    r.minRatio = num::single(num::div(r.installedDeflection, r.testDeflection));
    r.maxRatio = num::single(num::div(r.workingDeflection, r.testDeflection));
    r.minRatioOk = r.minRatio >= 0.2f;
    r.maxRatioOk = r.maxRatio <= 0.8f;
    wizardformulas::fillShearStresses(r, in.wahlFactor, d, D, in.installedLoad, in.workingLoad,
                                      in.tensileStrength);
    r.actualStroke = num::single(num::div(double(in.workingLoad) - double(in.installedLoad), k));
    // The quotient is stored in single precision before its sign is dropped.
    r.strokeError = std::fabs(
        num::single(num::div((double(r.actualStroke) - double(in.stroke)) * 100.0, double(in.stroke))));
    r.freeLength = freeLength(in.endType, in.wireDiameter, in.meanDiameter, in.activeCoils);
    r.installedLength = num::single(double(r.freeLength) + double(r.installedDeflection));
    r.workingLength = num::single(double(r.freeLength) + double(r.workingDeflection));
    r.testLength = num::single(double(r.freeLength) + double(r.testDeflection));
    r.pitch = in.wireDiameter;
    return r;
}

ReportValues reportValues(float pitch, float wireDiameter, float meanDiameter, float activeCoils) {
    const double D = meanDiameter;
    ReportValues v;
    v.helixAngle = std::atan(num::div(num::div(double(pitch), D), 3.14159)) * 180.0 / 3.14;
    v.wireLength = (double(activeCoils) + 2.0) * (D * 3.14);
    v.mass = double(wireDiameter) * 0.0193 * double(wireDiameter) * D * (double(activeCoils) + 2.0);
    return v;
}

} // namespace extensioncheck
