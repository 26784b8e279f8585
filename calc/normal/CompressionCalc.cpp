#include "calc/normal/CompressionCalc.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

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

} // namespace

double developedLength(double totalCoils, float meanDiameter) {
    return num::roundHalfEven(num::finite(totalCoils * (double(meanDiameter) * 3.1416)), 1);
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
