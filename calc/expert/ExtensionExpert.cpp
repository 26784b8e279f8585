#include "calc/expert/ExtensionExpert.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"

namespace extensionexpert {

namespace {

constexpr double kPi = 3.1416;
constexpr double kThirdLengthPi = 3.14; // the stress at the third length has always used 3.14

double fourth(double x) {
    return x * x * x * x;
}

// A length as typed, read strictly.
double strictLength(const std::optional<double>& typed) {
    if (!typed)
        throw num::CalcFault("length is not a number");
    return *typed;
}

class Calculation {
public:
    Calculation(const Inputs& in, Results& r) : in_(in), r_(r) {}

    void run();

private:
    // The load band at a deflection, lowest and highest.
    void loadBand(float deflection, float& low, double& high) const {
        const double springLoad = double(r_.rate) * deflection;
        low = num::toSingle(springLoad + r_.initialTension);
        high = num::finite(springLoad + double(r_.initialTension) * 1.8);
    }

    // The load in N at a deflection, from the rate and the initial tension in N.
    float loadN(float deflection) const {
        return num::toSingle(double(deflection) * r_.rateN + r_.initialTensionN);
    }

    void checks(Checks& c, float stress, const std::optional<double>& workingLength) const;

    const Inputs& in_;
    Results& r_;
};

void Calculation::run() {
    const float f1 = num::toSingle(double(in_.L1) - in_.H0);
    const float f2 = num::toSingle(double(in_.L2) - in_.H0);

    r_.initialTension = initialTension(in_.g, in_.d, in_.D);
    // The loads in N start from the initial tension as shown, not as computed.
    r_.initialTensionN = toNewton(num::strictOrFault(num::formatSingle(r_.initialTension, u"0.000")));
    r_.rate = rate(in_.g, in_.d, in_.D, in_.n);
    r_.rateN = toNewton(r_.rate);

    loadBand(f1, r_.low1, r_.high1);
    r_.slenderness = num::toSingle(num::div(in_.H0, in_.d));
    r_.springIndex = num::toSingle(num::div(in_.D, in_.d));
    r_.springIndexOk = !(r_.springIndex < 4.0f) && !(r_.springIndex > 10.0f);
    r_.wahl = springchecks::wahlFactorSingle(r_.springIndex);
    r_.stress1 = shearStress(loadN(f1), r_.wahl, in_.D, in_.d, kPi);

    loadBand(f2, r_.low2, r_.high2);
    r_.stress2 = shearStress(loadN(f2), r_.wahl, in_.D, in_.d, kPi);
    if (in_.strengthGiven) {
        r_.allowableStress = num::toSingle(double(in_.tensileStrength) * in_.coefficient);
        checks(r_.checks2, r_.stress2, in_.L2Strict);
    }

    if (!in_.L3Given)
        return;
    const float f3 = num::toSingle(double(num::toSingle(in_.L3)) - in_.H0);
    loadBand(f3, r_.low3, r_.high3);
    r_.stress3 = shearStress(loadN(f3), r_.wahl, in_.D, in_.d, kThirdLengthPi);
    if (in_.strengthGiven)
        checks(r_.checks3, r_.stress3, in_.L3Strict);
    r_.thirdLengthDone = true;
}

void Calculation::checks(Checks& c, float stress, const std::optional<double>& workingLength) const {
    c.safetyFactor = num::toSingle(num::div(r_.allowableStress, stress));
    c.belowAllowable = stress < r_.allowableStress;
    c.life = fatigue::extension(stress, in_.tensileStrength);

    c.testLoad = testLoad(in_.coefficient, in_.tensileStrength, in_.d, in_.D);
    c.testDeflection = testDeflection(c.testLoad, r_.initialTension, r_.rateN);

    const double workingDeflection = strictLength(workingLength) - strictLength(in_.H0Strict);
    c.deformationRatio = num::toSingle(num::div(workingDeflection, c.testDeflection));
    c.lengthAtTestLoad = num::toSingle(double(in_.H0) + c.testDeflection);
    c.deformationOk = springchecks::deformationRatioOk(c.deformationRatio);
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

void compute(const Inputs& in, Results& r) {
    Calculation(in, r).run();
}

} // namespace extensionexpert
