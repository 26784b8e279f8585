#include "calc/expert/ExtensionExpert.h"

#include "common/CheckedMath.h"

namespace extensionexpert {

namespace {

double fourth(double x) {
    return x * x * x * x;
}

} // namespace

float initialTension(float g, float d, float meanDiameter) {
    const double scaled = num::finite(fourth(d) * (g * 3.1416) * 1000 / 800);
    return num::toSingle(num::div(num::div(scaled, meanDiameter), meanDiameter));
}

float rate(float g, float d, float meanDiameter, float activeCoils) {
    const double scaled = num::finite(fourth(d) * g * 1000 / 8);
    const double cube = double(meanDiameter) * meanDiameter * meanDiameter;
    return num::toSingle(num::div(num::div(scaled, cube), activeCoils));
}

float toNewton(double gramForce) {
    return num::toSingle(gramForce * 9.8 / 1000);
}

float shearStress(float load, float wahlFactor, float meanDiameter, float d, double pi) {
    double stress = num::finite(double(load) * 8 * wahlFactor * meanDiameter / pi);
    stress = num::div(num::div(num::div(stress, d), d), d);
    return num::toSingle(stress);
}

float testLoad(float coefficient, float tensileStrength, float d, float meanDiameter) {
    const float testStress = num::toSingle((coefficient + 0.05) * tensileStrength * 0.8);
    return num::toSingle(num::div(double(d) * d * d * 3.14 * testStress / 8, meanDiameter));
}

float testDeflection(float testLoad, float initialTensionGf, float rateN) {
    return num::toSingle(num::div(testLoad - initialTensionGf * 9.8 / 1000, rateN));
}

} // namespace extensionexpert
