#include "common/SpringFormulas.h"

#include "common/CheckedMath.h"

namespace springs {

namespace {

double fourth(double x) {
    return x * x * x * x;
}

} // namespace

double torsionSpringRate(double e, double d, double meanDiameter, double activeCoils, double leg1,
                         double leg2) {
    const double numerator = e * fourth(d);
    const double denominator = (leg1 + leg2) * 389 + meanDiameter * 3667 * activeCoils;
    return num::div(numerator, denominator);
}

float torsionSpringRateSingle(float e, float d, float meanDiameter, float activeCoils, float leg1,
                              float leg2) {
    const float numerator = num::toSingle(double(e) * fourth(d));
    const float denominator =
        num::toSingle((double(leg1) + leg2) * 389 + double(meanDiameter) * 3667 * activeCoils);
    return num::toSingle(num::div(numerator, denominator));
}

double curvatureFactor(double springIndex) {
    return num::div(springIndex * 4 - 1, springIndex * 4 - 4);
}

double initialTension(double g, double d, double meanDiameter, double pi, double unitFactor) {
    const double scaled = num::finite(fourth(d) * (g * pi) * unitFactor / 800);
    return num::div(num::div(scaled, meanDiameter), meanDiameter);
}

CoilDiameters coilDiameters(double wireDiameter, double meanDiameter) {
    return {num::finite(meanDiameter + wireDiameter), num::finite(meanDiameter - wireDiameter)};
}

LoadBand extensionLoadBand(double rate, double extension, double initialTension) {
    const double spring = rate * extension;
    return {num::finite(spring + initialTension), num::finite(spring + 1.8 * initialTension)};
}

float conicalCoilRadius(float outerDiameter, float d) {
    return num::toSingle((double(outerDiameter) - d) / 2);
}

float conicalRateBeforeContact(float g, float d, float r1, float r2, float activeCoils) {
    const double scaled = num::div(num::finite(fourth(d) * (9.8 * g) * (double(r1) - r2) / 16), activeCoils);
    return num::toSingle(num::div(scaled, fourth(r1) - fourth(r2)));
}

float conicalContactSpacing(float d, float r1, float r2, float activeCoils) {
    const float coilsByWire = num::toSingle(double(activeCoils) * d);
    const float radialRise = num::toSingle(double(r2) - r1);
    if (!(coilsByWire > radialRise))
        return 0.0f;
    const double rise = double(r2) - r1;
    const double ratio = num::div(num::div(num::div(num::div(rise * rise, activeCoils), activeCoils), d), d);
    return num::toSingle(d * num::sqrt(1 - ratio));
}

float conicalClosingLoad(float g, float d, float pitch, float spacing, float radius) {
    double load = num::finite(fourth(d) * (9.8 * g) * (double(pitch) - spacing) / 64);
    load = num::div(num::div(num::div(load, radius), radius), radius);
    return num::toSingle(load);
}

float conicalSolidHeight(float spacing, float activeCoils, float d) {
    return num::toSingle(double(spacing) * activeCoils + 2.0 * d);
}

} // namespace springs
