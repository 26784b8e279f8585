#include "calc/wizards/CompressionDesignCore.h"

#include "calc/wizards/WizardFormulas.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

#include <cmath>

namespace compressiondesign {

namespace {

float throughPattern(double value, const char* pattern) {
    return num::single(wizardformulas::throughPattern(value, pattern));
}

} // namespace

void compute(const DesignInputs& in, DesignResults& out) {
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    out.rate = wizardformulas::coilRate(in.shearModulus, d, D, in.activeCoils);
    out.totalCoils = num::single(double(in.endCoils) + double(in.activeCoils));
    out.springIndex = throughPattern(num::div(D, d), "0.00");
    out.wahlFactor = throughPattern(springchecks::wahlFactor(out.springIndex), "0.00");
    const double error =
        num::div((double(in.requiredRate) - double(out.rate)) * 100.0, double(in.requiredRate));
    out.rateError = num::single(std::fabs(error));
}

float trialWireDiameter(float wahlFactor, float trialIndex, float workingLoad, float allowableShear) {
    return num::single(springdesign::trialWireDiameter(workingLoad, wahlFactor, trialIndex, allowableShear));
}

float trialMeanDiameter(float wireDiameter, float trialIndex) {
    return throughPattern(double(wireDiameter) * double(trialIndex), "0.0");
}

float trialActiveCoils(float shearModulus, float meanDiameter, float springIndex, float requiredRate) {
    double n = double(meanDiameter) * double(shearModulus) / 8.0;
    for (int i = 0; i < 4; ++i)
        n = num::div(n, double(springIndex));
    return num::single(num::div(n, double(requiredRate)));
}

} // namespace compressiondesign
