#include "calc/expert/CompressionExpertCore.h"

#include "common/CheckedMath.h"
#include "common/EndForms.h"
#include "common/Numbers.h"

using namespace springchecks;

namespace compressionexpert {

namespace {

constexpr double kPi = 3.1416;     // developed length and test load
constexpr double kStressPi = 3.14; // the shear stresses have always used 3.14
constexpr double kLimitLoadFactor = 0.8;
constexpr double kTestStressMargin = 0.05;

// Single-precision stores, as the calculator always made them.
using num::single;

// A value held as its shortest text and read back from it, as the calculator always did.
double throughText(double value) {
    return num::strictOrFault(num::text(value));
}

// What later steps take from earlier ones.
struct Carried {
    float solidHeightSingle = 0; // the solid height as compared with a height
    float f1 = 0;
    std::optional<double> rate; // known once the installed height lies above the solid height
    float solidLoad = 0;
    float wahl = 0;
    float tau1 = 0; // 0 when the installed-height step was skipped
};

class Calculation {
public:
    Calculation(const Inputs& in, Results& r) : in_(in), r_(r) {}

    void run() {
        geometry();
        installedHeight();
        workingHeight2();
        workingHeight3();
    }

private:
    enum class Cube { DividedOnce, DividedThreeTimes };

    void geometry();
    void installedHeight();
    void workingHeight2();
    void workingHeight3();
    void strength(Strength& s, float tauMax, float lastDeflection) const;

    // A height below the solid height is skipped; true when it is.
    bool belowSolidHeight(float height) {
        if (!(c_.solidHeightSingle > height))
            return false;
        ++r_.heightsBelowSolid;
        return true;
    }

    // Heights typed out of order (the installed height below the solid height, a working height
    // above it) leave no rate, index or Wahl factor for the working height.
    void requireRate() const {
        if (!c_.rate)
            throw num::CalcFault("working height without a rate");
    }

    float load(float deflection) const {
        const double numerator = num::pow(in_.d, 4) * (double(in_.G) * deflection);
        return single(num::div(num::div(numerator / 8.0, in_.n), num::pow(in_.D, 3)));
    }

    float shearStress(float load, Cube cube) const {
        const double numerator = double(c_.wahl) * 8.0 * in_.D * load / kStressPi;
        if (cube == Cube::DividedOnce)
            return single(num::div(numerator, num::pow(in_.d, 3)));
        return single(num::div(num::div(num::div(numerator, in_.d), in_.d), in_.d));
    }

    const Inputs& in_;
    Results& r_;
    Carried c_;
};

void Calculation::geometry() {
    Geometry& g = r_.geometry;
    g.developedLength = num::finite(in_.n1 * (double(in_.D) * kPi));
    c_.f1 = single(double(in_.H0) - in_.h1);

    g.solidHeight = throughText(endforms::solidHeight(*in_.endForm, in_.n1, in_.d));
    c_.solidHeightSingle = single(g.solidHeight);
    g.maxDeflection = num::fixed4(double(in_.H0) - g.solidHeight);

    g.pitch = single(num::div(g.maxDeflection, in_.n) + in_.d);
    g.pitchOk = pitchRatioOk(g.pitch, in_.D);
    g.helixAngle = throughText(helixAngle(g.pitch, in_.D));
    g.helixAngleOk = helixAngleOk(g.helixAngle);
}

void Calculation::installedHeight() {
    if (belowSolidHeight(in_.h1))
        return;
    Installed& s = r_.installed;
    const double rate =
        num::fixed4(num::div(num::div(num::div(num::pow(in_.d, 4) * in_.G, num::pow(in_.D, 3)), in_.n), 8.0));
    c_.rate = rate;
    s.rate = rate;

    s.load = single(rate * c_.f1);
    s.tolerance = num::div(in_.tolerance, c_.f1);
    c_.solidLoad = single(num::fixed4(rate * r_.geometry.maxDeflection));
    s.solidLoad = c_.solidLoad;

    s.naturalFrequency = throughText(naturalFrequency(in_.d, in_.D, in_.n));
    s.forcedFrequency = throughText(kForcedFrequency);
    s.resonanceOk = resonanceOk(s.naturalFrequency, s.forcedFrequency);

    s.springIndex = single(num::div(in_.D, in_.d));
    s.springIndexOk = springIndexOk(in_.d, s.springIndex);
    s.activeCoils = in_.n;
    s.activeCoilsOk = in_.n >= 3.0f;

    c_.wahl = wahlFactorSingle(s.springIndex);
    c_.tau1 = shearStress(s.load, Cube::DividedThreeTimes);
    s.stress = c_.tau1;
}

void Calculation::workingHeight2() {
    if (belowSolidHeight(in_.h2))
        return;
    requireRate();
    Working& w = r_.working2;
    const float f2 = single(double(in_.H0) - in_.h2);
    w.load = load(f2);
    w.limitLoad = w.load / kLimitLoadFactor;
    w.tolerance = num::div(in_.tolerance, f2);

    w.stress = shearStress(w.load, Cube::DividedOnce);
    w.stressRatio = num::div(c_.tau1, w.stress);

    w.deformationRatio = single(num::div(c_.f1, double(in_.H0) - r_.geometry.solidHeight));
    w.deformationOk = deformationRatioOk(w.deformationRatio);

    w.slenderness = single(num::div(in_.H0, in_.D));
    w.slendernessPassed = slendernessLimits(w.slenderness);

    if (in_.strengthGiven)
        strength(w.strength, w.stress, f2);
}

void Calculation::workingHeight3() {
    if (!in_.h3Given)
        return;
    const float h3 = single(in_.h3);
    if (belowSolidHeight(h3))
        return;
    requireRate();
    Working& w = r_.working3;
    const float f3 = single(double(in_.H0) - h3);
    w.load = load(f3);
    w.tolerance = num::div(in_.tolerance, f3);
    w.limitLoad = w.load / kLimitLoadFactor;

    w.deformationRatio = single(num::div(double(in_.H0) - h3, double(in_.H0) - r_.geometry.solidHeight));
    w.deformationOk = deformationRatioOk(w.deformationRatio);

    w.stress = shearStress(w.load, Cube::DividedThreeTimes);
    w.stressRatio = num::div(c_.tau1, w.stress);

    if (in_.strengthGiven)
        strength(w.strength, w.stress, f3);
}

void Calculation::strength(Strength& s, float tauMax, float lastDeflection) const {
    const float tensileStrength = single(in_.tensileStrength);
    const float coefficient = single(in_.coefficient);

    s.allowableStress = single(double(tensileStrength) * coefficient);
    // The safety factor uses the stress as shown, rounded to two decimals.
    const double shownStress = num::lenient(num::formatSingle(tauMax, u"0.00"));
    s.safetyFactor = single(num::div(s.allowableStress, shownStress));
    s.safetyOk = s.safetyFactor > 1.0f;

    const float testStress = single((double(coefficient) + kTestStressMargin) * tensileStrength);
    const double testLoad = num::div(num::pow(in_.d, 3) * kPi * testStress / 8.0, in_.D);
    const float testDeflection = single(num::div(testLoad, *c_.rate));
    if (testDeflection < r_.geometry.maxDeflection) {
        s.testLoad = testLoad;
        s.testDeflection = testDeflection;
    } else { // the spring goes solid before it reaches the test load
        s.solidTestLoad = c_.solidLoad;
        s.solidTestDeflection = r_.geometry.maxDeflection;
    }
    s.characteristicOk = deformationPairOk(c_.f1, lastDeflection, testDeflection);

    s.life = fatigue::compression(tauMax, tensileStrength);
}

} // namespace

void compute(const Inputs& in, Results& r) {
    if (!in.endForm)
        throw num::CalcFault("no end form");
    Calculation(in, r).run();
}

} // namespace compressionexpert
