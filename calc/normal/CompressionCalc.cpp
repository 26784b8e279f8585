#include "calc/normal/CompressionCalc.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringMaterials.h"

#include <cmath>

namespace compression {

namespace {

// The rates are four-decimal fixed-point values; beyond that type's range the store overflows.
double fixedPoint4(double value) {
    constexpr double kLargestFixedPoint = 922337203685477.5807;
    if (std::fabs(num::finite(value)) > kLargestFixedPoint)
        throw num::CalcFault("fixed-point overflow");
    return num::fixed4(value);
}

// The deflection at a working height, stored in single precision.
float deflectionAt(const Inputs& in, float height) {
    return num::single(double(in.freeHeight) - double(height));
}

float loadAt(const Inputs& in, float deflection) {
    return loadGf(in.shearModulus, deflection, in.wireDiameter, in.meanDiameter, in.activeCoils);
}

// The limit load comes from the load as its box shows it, already rounded to two decimals.
double limitFromShown(const QString& shownLoad) {
    return limitLoad(num::strictOrFault(shownLoad));
}

} // namespace

void compute(const Inputs& in, Results& out) {
    out.developedLength = developedLength(in.totalCoils, in.meanDiameter);
    out.lastHeight = in.installedHeight;
    const float installedDeflection = deflectionAt(in, in.installedHeight);
    if (in.ends == Ends::Unknown)
        throw num::CalcFault("unknown end type");
    const float solid = solidHeight(in.totalCoils, in.wireDiameter, in.ends == Ends::Ground);
    if (solid > in.installedHeight) {
        out.solid = true;
        return;
    }
    out.rateGf = rateGf(in.shearModulus, in.wireDiameter, in.meanDiameter, in.activeCoils);
    out.rateN = rateN(out.rateGf);
    out.firstLoadGf = loadAt(in, installedDeflection);
    out.firstLoadN = loadN(out.firstLoadGf);

    // The optional working heights, each stopping the calculation where the spring is solid.
    const auto reached = [&](const std::optional<double>& height, float& deflection) {
        out.lastHeight = num::single(*height);
        if (solid > out.lastHeight) {
            out.solid = true;
            return false;
        }
        deflection = deflectionAt(in, out.lastHeight);
        return true;
    };
    float deflection = 0;
    if (in.secondHeight) {
        if (!reached(in.secondHeight, deflection))
            return;
        out.secondLoadGf = loadAt(in, deflection);
        out.secondLoadN = loadN(out.secondLoadGf);
        out.limitLoad = limitFromShown(num::formatSingle(out.secondLoadN, u"0.00"));
    }
    if (in.thirdHeight) {
        if (!reached(in.thirdHeight, deflection))
            return;
        out.thirdLoadGf = loadAt(in, deflection);
        out.thirdLoadN = double(out.thirdLoadGf) * 9.8 / 1000;
        out.limitLoad = limitFromShown(num::format(out.thirdLoadN, u"0.00"));
    }
}

double developedLength(double totalCoils, float meanDiameter) {
    return num::roundHalfEven(num::finite(totalCoils * (double(meanDiameter) * 3.1416)), 1);
}

SheetValues sheetValues(double wireDiameter, double meanDiameter, double totalCoils, double activeCoils) {
    return {springs::coilDiameters(wireDiameter, meanDiameter), num::finite((totalCoils - activeCoils) / 2)};
}

float solidHeight(double totalCoils, float wireDiameter, bool groundEnds) {
    const double coils = groundEnds ? totalCoils + 1 - 1.5 : totalCoils + 1;
    const double height = num::finite(coils * double(wireDiameter));
    return num::single(num::strictOrFault(num::text(height)));
}

double rateGf(float shearModulus, float wireDiameter, float meanDiameter, float activeCoils) {
    const double d4 = std::pow(double(wireDiameter), 4);
    const double D3 = std::pow(double(meanDiameter), 3);
    double k = num::finite(double(shearModulus) * d4 * 1000);
    k = num::div(k, D3);
    k = num::div(k, double(activeCoils));
    return fixedPoint4(k / 8);
}

double rateN(double rateGf) {
    return fixedPoint4(rateGf * 9.8 / 1000);
}

float loadGf(float shearModulus, float deflection, float wireDiameter, float meanDiameter,
             float activeCoils) {
    const double d4 = std::pow(double(wireDiameter), 4);
    const double D3 = std::pow(double(meanDiameter), 3);
    double p = num::finite(double(shearModulus) * double(deflection) * d4 * 1000 / 8);
    p = num::div(p, double(activeCoils));
    p = num::div(p, D3);
    return num::single(p);
}

float loadN(float loadGf) {
    return num::single(double(loadGf) * 9.8 / 1000);
}

} // namespace compression
