#include "calc/normal/PassRate.h"

#include "calc/normal/ExtendedMath.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace {

using extmath::divide;
using extmath::Ext;
using extmath::single;

// d⁴·G / D³ / n / 8, with d⁴, D³ and d⁴·G formed in double precision.
float rate(float g, float d, float meanDiameter, float coils) {
    const double d4 = static_cast<double>(d) * d * d * d;
    const double d4g = num::finite(d4 * g);
    const double d3 = num::finite(static_cast<double>(meanDiameter) * meanDiameter * meanDiameter);
    return single(num::div(num::div(num::div(d4g, d3), coils), 8));
}

QString percentLeft(float share) {
    return num::formatSingle(single((1 - static_cast<Ext>(share)) * 100), u"0.000");
}

} // namespace

RateRange possibleRates(float g, const PassRateInputs& in) {
    const float highest = rate(g, in.d, in.smallestMean, in.fewestCoils);
    const float lowest = rate(g, in.d, in.largestMean, in.mostCoils);
    return {lowest, highest};
}

RateRange allowedRates(const PassRateInputs& in) {
    const Ext load = in.workingLoad;
    if (in.shortestFree > in.workingLength) {
        const float high = single(divide(load, static_cast<Ext>(in.shortestFree) - in.workingLength));
        const float low = single(divide(load, static_cast<Ext>(in.longestFree) - in.workingLength));
        return {low, high};
    }
    const float low = single(divide(load, static_cast<Ext>(in.workingLength) - in.shortestFree));
    const float high = single(divide(load, static_cast<Ext>(in.workingLength) - in.longestFree));
    return {low, high};
}

std::optional<QString> passRateText(RateRange possible, RateRange allowed) {
    const float kMin = possible.low, kMax = possible.high, lo = allowed.low, hi = allowed.high;
    if (lo < kMin && kMax < hi)
        return QStringLiteral("100");
    if (kMax < lo || kMin > hi)
        return QStringLiteral("0");
    const Ext width = static_cast<Ext>(kMax) - kMin;
    if (lo < kMin && kMin < hi && hi < kMax)
        return percentLeft(single(divide(static_cast<Ext>(kMax) - hi, width)));
    if (kMin < lo && lo < kMax && kMax < hi)
        return percentLeft(single(divide(static_cast<Ext>(lo) - kMin, width)));
    if (kMin < lo && kMax > hi)
        return percentLeft(
            single(divide((static_cast<Ext>(kMax) - hi) + (static_cast<Ext>(lo) - kMin), width)));
    return std::nullopt;
}
