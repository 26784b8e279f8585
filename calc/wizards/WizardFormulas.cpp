#include "calc/wizards/WizardFormulas.h"

#include "common/Numbers.h"

namespace wizardformulas {

namespace {
constexpr double kPi = 3.14159;
}

double throughPattern(double value, const char* pattern) {
    return num::strictOrFault(num::format(value, QString::fromLatin1(pattern)));
}

float coilRate(float shearModulus, double wireDiameter, double meanDiameter, float activeCoils) {
    const double d = wireDiameter;
    const double D = meanDiameter;
    return num::single(
        num::div(num::div(num::div(num::div(double(shearModulus) * d * d * d * d / 8.0, D), D), D),
                 double(activeCoils)));
}

ShearStresses shearStresses(float wahlFactor, double wireDiameter, double meanDiameter, float installedLoad,
                            float workingLoad, float tensileStrength) {
    const double d = wireDiameter;
    const double D = meanDiameter;
    auto stress = [&](double load) {
        return num::single(num::div(num::div(num::div(double(wahlFactor) * 8.0 * D * load / kPi, d), d), d));
    };
    ShearStresses s;
    s.min = stress(installedLoad);
    s.max = stress(workingLoad);
    s.ratio = num::single(num::div(s.min, s.max));
    s.toStrength = num::single(num::div(s.max, tensileStrength));
    s.fatigueOk = s.toStrength < 0.45f;
    return s;
}

} // namespace wizardformulas
