#include "calc/expert/TorsionExpert.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringFormulas.h"

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

namespace {

using num::single;

// A value as its box shows it with the pattern, read back strictly.
double asShown(float value, QStringView pattern) {
    return num::strictOrFault(num::formatSingle(value, pattern));
}

class Calculation {
public:
    Calculation(const Inputs& in, Results& r) : in_(in), r_(r) {}
    void run();

private:
    enum class Stress { Single, Double };
    void firstAngle();
    void section();
    void secondAngle();
    void thirdAngle();
    void stressResults(Angle& a, double sigmaMax, Stress precision) const;
    void testCharacteristic(Angle& a, float angle) const;

    const Inputs& in_;
    Results& r_;
    double E_ = 0; // four-decimal fixed point
    float arm_ = 0;
    float tensileStrength_ = 0, coefficient_ = 0;
};

void Calculation::run() {
    E_ = fixedPointModulus(in_.modulus);
    arm_ = in_.armGiven ? in_.arm : in_.L1;

    r_.rate = rate(E_, in_.d, in_.D, in_.n, in_.L1, in_.L2);
    firstAngle();
    section();
    r_.bodyLength = bodyLength(in_.freeAngle, in_.n, in_.a2, in_.d);

    if (!in_.strengthGiven)
        return;
    tensileStrength_ = single(in_.tensileStrength);
    coefficient_ = single(in_.coefficient);
    r_.allowableStress = single(double(tensileStrength_) * coefficient_);
    r_.sigmaMin = single(bendingStress(asShown(r_.torque1, u"0.00"), r_.curvatureFactor, in_.d));
    r_.minStrengthRatio = single(num::div(r_.sigmaMin, tensileStrength_));

    secondAngle();
    if (in_.a3Given)
        thirdAngle();
}

void Calculation::firstAngle() {
    r_.force1 = single(num::div(double(r_.rate) * in_.a1, arm_));
    r_.force1Kgf = asShown(r_.force1, u"0.00") / 9.8;
    r_.torque1 = single(double(r_.rate) * in_.a1);
    r_.tolerance1 = single(num::div(in_.angleTolerance, in_.a1));
}

void Calculation::section() {
    const float C = single(num::div(in_.D, in_.d));
    r_.springIndex = C;
    r_.curvatureFactor = single(springs::curvatureFactor(C));
    const double d3 = double(in_.d) * in_.d * in_.d;
    r_.momentOfInertia = 3.14159 * d3 * in_.d / 64;
    r_.sectionModulus = 3.14159 * d3 / 32;
    r_.springIndexOk = 4.0f <= C && C <= 10.0f;
}

void Calculation::secondAngle() {
    Angle& a = r_.second;
    a.force = single(num::div(double(r_.rate) * in_.a2, arm_));
    a.forceKgf = asShown(a.force, u"0.00") / 9.8;
    a.torque = single(double(r_.rate) * in_.a2);
    a.tolerance = single(num::div(in_.angleTolerance, in_.a2));
    a.innerDiameter = innerDiameter(in_.D, in_.d, in_.a2, in_.freeAngle, in_.n);

    a.sigmaMaxSingle = single(bendingStress(asShown(a.torque, u"0.00"), r_.curvatureFactor, in_.d));
    stressResults(a, a.sigmaMaxSingle, Stress::Single);
    testCharacteristic(a, in_.a2);
}

void Calculation::thirdAngle() {
    Angle& a = r_.third;
    const float a3 = single(in_.a3);
    const double force = num::div(double(r_.rate) * a3, arm_);
    a.force = single(force);
    // In kgf from the unrounded force, unlike the two angles before.
    a.forceKgf = force / 9.8;
    a.torque = single(double(r_.rate) * a3);
    a.tolerance = single(num::div(in_.angleTolerance, a3));
    a.innerDiameter = innerDiameter(in_.D, in_.d, a3, in_.freeAngle, in_.n);

    a.sigmaMax = bendingStress(asShown(a.torque, u"0.000"), r_.curvatureFactor, in_.d);
    stressResults(a, a.sigmaMax, Stress::Double);
    testCharacteristic(a, a3);
}

void Calculation::stressResults(Angle& a, double sigmaMax, Stress precision) const {
    a.strengthRatio = single(num::div(sigmaMax, tensileStrength_));
    a.safetyFactor = single(num::div(r_.allowableStress, sigmaMax));
    a.stressRatio = single(num::div(r_.sigmaMin, sigmaMax));
    // At the second angle both sides are single-precision values; at the third the stress
    // stays in double.
    a.belowAllowable = precision == Stress::Single ? single(sigmaMax) < r_.allowableStress
                                                   : sigmaMax < double(r_.allowableStress);
    a.life = fatigue::torsion(sigmaMax, tensileStrength_,
                              precision == Stress::Single ? fatigue::Precision::Single
                                                          : fatigue::Precision::Double);
}

void Calculation::testCharacteristic(Angle& a, float angle) const {
    a.testTorque = testTorque(coefficient_, tensileStrength_, in_.d);
    a.testAngle = testAngle(a.testTorque, in_.L1, in_.L2, in_.D, in_.n, E_, in_.d);
    a.deformationRatio = single(num::div(angle, a.testAngle));
    a.deformationOk = springchecks::deformationRatioOk(a.deformationRatio);
}

} // namespace

void compute(const Inputs& in, Results& r) {
    Calculation(in, r).run();
}

} // namespace torsionexpert
