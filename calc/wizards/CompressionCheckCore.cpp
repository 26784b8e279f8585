#include "calc/wizards/CompressionCheckCore.h"

#include "calc/wizards/WizardFormulas.h"
#include "common/Numbers.h"

#include <cmath>

namespace compressioncheck {

namespace {

constexpr double kPi = 3.14159;

float slendernessLimit(Fixing fixing) {
    switch (fixing) {
    case Fixing::BothFixed:
        return 5.3f;
    case Fixing::BothPivoted:
        return 2.6f;
    case Fixing::OneFixedOnePivoted:
        return 3.7f;
    case Fixing::GuideRod:
        break;
    }
    return 0.0f;
}

Stability stability(Fixing fixing, float b, float k, float H0, float F2) {
    Stability s;
    if (fixing != Fixing::GuideRod && b <= slendernessLimit(fixing)) {
        s.verdictId = fixing == Fixing::OneFixedOnePivoted ? 0 : 2340;
        return s;
    }
    s.computed = true;
    s.criticalLoad = num::single(criticalLoadFactor(fixing, b) * double(k) * double(H0));
    const bool stable = F2 < s.criticalLoad;
    if (fixing == Fixing::BothFixed)
        s.verdictId = stable ? 2340 : 2341;
    else
        s.verdictId = stable ? 2337 : 2338;
    return s;
}

} // namespace

double criticalLoadFactor(Fixing fixing, double b) {
    auto over = [b](double c, int power) { return num::div(c, num::pow(b, power)); };
    switch (fixing) {
    case Fixing::BothFixed:
        return over(301, 5) + over(544, 5) + over(365.5, 3) - over(174.35, 2) + over(25.15, 1) - 1.075;
    case Fixing::BothPivoted:
        return over(181.4, 5) + over(161, 5) - over(202, 3) + over(65.13, 2) - over(7.64, 1) + 0.322;
    case Fixing::OneFixedOnePivoted:
        return over(198, 5) + over(265, 5) - over(89, 3) + over(12.7, 2) + over(0.35, 1) - 0.035;
    case Fixing::GuideRod:
        break;
    }
    return 1.0;
}

Results compute(const Inputs& in) {
    Results r;
    const double d = in.wireDiameter;
    const double D = in.meanDiameter;
    const double n = in.activeCoils;
    const double k = in.rate;
    r.installedDeflection = num::single(num::div(in.installedLoad, k));
    r.freeHeight = num::single(double(in.installedHeight) + double(r.installedDeflection));
    r.pitch = num::single(num::div(double(r.freeHeight) - (double(in.endCoils) - 0.5) * d, n));
    r.slenderness = num::single(num::div(r.freeHeight, D));
    const double factor = in.classIII ? 1.0 : 1.2;
    r.testLoad = num::single(num::div(kPi * d * d * d * double(in.allowableShear) * factor / 8.0, D));
    r.testDeflection = num::single(num::div(r.testLoad, k));
    r.minRatio = num::single(num::div(r.installedDeflection, r.testDeflection));
    r.workingDeflection = num::single(num::div(in.workingLoad, k));
    r.maxRatio = num::single(num::div(r.workingDeflection, r.testDeflection));
    r.minRatioOk = r.minRatio >= 0.2f;
    r.maxRatioOk = r.maxRatio <= 0.8f;
    if (in.fixing)
        r.stability = stability(*in.fixing, r.slenderness, in.rate, r.freeHeight, in.workingLoad);
    r.naturalFrequency = num::single(num::div(num::div(num::div(d * 356000.0, n), D), D));
    if (in.forcedFrequency)
        r.resonanceOk = num::single(10.0 * double(*in.forcedFrequency)) < r.naturalFrequency;
    wizardformulas::fillShearStresses(r, in.wahlFactor, d, D, in.installedLoad, in.workingLoad,
                                      in.tensileStrength);
    return r;
}

double safetyFactor(float minShearStress, float tensileStrength, float maxShearStress) {
    return num::div(0.75 * double(minShearStress) + 0.5 * double(tensileStrength), maxShearStress);
}

double helixAngleDegrees(float freeHeight, float endCoils, float wireDiameter, float activeCoils,
                         float meanDiameter) {
    const double pitch =
        num::div(double(freeHeight) - (double(endCoils) - 0.5) * double(wireDiameter), double(activeCoils));
    const double radians = std::atan(num::div(pitch / kPi, double(meanDiameter)));
    return radians * 180.0 / 3.14; // 3.14 here, as the report has always converted
}

ReportValues reportValues(const ReportInputs& in) {
    ReportValues v;
    v.workingHeight = num::single(double(in.freeHeight) - double(in.workingDeflection));
    v.testHeight = num::single(double(in.freeHeight) - double(in.testDeflection));
    const float coils = num::single(double(in.activeCoils) + double(in.endCoils));
    v.groundSolidHeight = num::single(double(coils) * double(in.wireDiameter));
    v.notGroundSolidHeight = (double(coils) + 1.5) * double(in.wireDiameter);
    v.wireLength = double(in.meanDiameter) * 3.14159 * double(in.totalCoils);
    v.mass = double(in.wireDiameter) * 0.0193 * double(in.wireDiameter) * double(in.meanDiameter) *
             double(in.totalCoils);
    return v;
}

} // namespace compressioncheck
