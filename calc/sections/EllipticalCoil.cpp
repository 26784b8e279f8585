#include "calc/sections/EllipticalCoil.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"
#include "common/Numbers.h"

#include <cmath>
#include <iterator>

namespace ellipticalcoil {

namespace {
struct FactorPoint {
    double ratio, factor, slope;
};
constexpr FactorPoint kFactors[] = {
    {0, 0.167, 0.168},   {0.125, 0.188, 0.496}, {0.25, 0.25, 0.504}, {0.375, 0.313, 0.832},
    {0.5, 0.417, 0.912}, {0.625, 0.531, 1.25},  {1, 1, 0},
};
} // namespace

double factorTable(double r) {
    if (!(r >= 0.0 && r <= 1.0))
        throw num::CalcFault("axis ratio outside the shape-factor table");
    const FactorPoint* point = std::begin(kFactors);
    for (const FactorPoint& p : kFactors) {
        if (p.ratio <= r)
            point = &p;
    }
    return point->factor + point->slope * (r - point->ratio);
}

namespace {
float axisRatio(const Inputs& in) {
    const double d = in.d;
    const float a = num::toSingle((double(in.outerLength) - d) / 2);
    const float b = num::toSingle((double(in.outerWidth) - d) / 2);
    return num::toSingle(num::div(b, a));
}
} // namespace

bool fits(const Inputs& in) {
    axisRatio(in);
    const float stack = num::toSingle((double(in.activeCoils) + 2) * in.d);
    return !(stack > in.height1 || stack > in.height2);
}

void compute(const Inputs& in, Results& out) {
    out = {num::notReachedSingle, num::notReached, num::notReached, num::notReachedSingle, num::notReached};
    const double d = in.d;
    const float r = axisRatio(in);
    const double meanLength = double(in.outerLength) - d;
    const float roundRate =
        num::toSingle(num::div(num::div(in.g * std::pow(d, 4) / 8, std::pow(meanLength, 3)), in.activeCoils));
    // The factor is carried with the two decimals the user would read off the table.
    const float c = num::toSingle(num::lenient(num::format(factorTable(r), u"0.00")));
    out.rate = num::toSingle(num::div(roundRate, c));
    out.load1 = num::fixed4(double(out.rate) * (double(in.freeHeight) - in.height1));
    out.load1N = num::finite(out.load1 * 9.8);
    const double deflection2 = num::fixed4(double(in.freeHeight) - in.height2);
    out.load2 = num::toSingle(double(out.rate) * deflection2);
    out.load2N = num::finite(double(out.load2) * 9.8);
}

} // namespace ellipticalcoil
