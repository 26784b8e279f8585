#include "calc/expert/TorsionExpert.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>

namespace torsionexpert {

namespace {

constexpr double kLargestFixedPoint = 922337203685477.5807;

double fourth(double x) {
    return x * x * x * x;
}

} // namespace

double fixedPointModulus(double typed) {
    if (std::fabs(num::finite(typed)) > kLargestFixedPoint)
        throw num::CalcFault("fixed-point overflow");
    return num::fixed4(typed);
}

float rate(double modulus, float d, float meanDiameter, float activeCoils, float leg1, float leg2) {
    const float numerator = num::toSingle(modulus * fourth(d));
    const float denominator =
        num::toSingle((double(leg1) + leg2) * 389 + 3667.0 * meanDiameter * activeCoils);
    return num::toSingle(num::div(numerator, denominator));
}

double bendingStress(double torque, float curvatureFactor, float d) {
    const double cube = double(d) * d * d;
    return num::div(num::finite(torque * 32 * curvatureFactor / 3.14), cube);
}

float bodyLength(float freeAngle, float activeCoils, float angle, float d) {
    return num::toSingle((freeAngle / 360.0 + activeCoils + 1 + angle / 360.0) * d);
}

float innerDiameter(float meanDiameter, float d, float angle, float freeAngle, float activeCoils) {
    const double turns = freeAngle / 360.0 + activeCoils;
    const double shrink = num::div(double(angle) * meanDiameter / 360, turns);
    return num::toSingle((double(meanDiameter) - d) - shrink - 0.1);
}

float testTorque(float coefficient, float tensileStrength, float d) {
    const float testStress = num::toSingle((coefficient + 0.08) * tensileStrength);
    return num::toSingle(double(d) * d * d * 3.1416 * testStress / 32);
}

float testAngle(float testTorque, float leg1, float leg2, float meanDiameter, float activeCoils,
                double modulus, float d) {
    const double numerator =
        num::finite(3667.0 * testTorque * ((double(leg1) + leg2) / 3 + 3.1416 * meanDiameter * activeCoils));
    const double denominator = num::finite(3.1416 * modulus * fourth(d));
    return num::toSingle(num::div(numerator, denominator));
}

} // namespace torsionexpert
