#include "common/SpringChecks.h"

#include "common/CheckedMath.h"

#include <cmath>

namespace springchecks {

QString verdictText(bool ok) {
    return ok ? QStringLiteral("OK") : QStringLiteral("NG");
}

double wahlFactor(double springIndex) {
    const double c = springIndex;
    return num::finite(num::div(4.0 * c - 1.0, 4.0 * c - 4.0) + num::div(0.615, c));
}

float wahlFactorSingle(float springIndex) {
    return num::toSingle(wahlFactor(springIndex));
}

double naturalFrequency(double wireDiameter, double meanDiameter, double activeCoils) {
    return num::div(100000.0 * 3.56 * wireDiameter, meanDiameter * meanDiameter * activeCoils);
}

bool resonanceOk(double naturalFrequency, double forcedFrequency) {
    return naturalFrequency > 10.0 * forcedFrequency;
}

float slendernessLimit(EndFixing fixing) {
    switch (fixing) {
    case EndFixing::BothFixed:
        return 5.3f;
    case EndFixing::OneFixedOnePivoted:
        return 3.7f;
    case EndFixing::BothPivoted:
        break;
    }
    return 2.6f;
}

bool slendernessOk(float slenderness, EndFixing fixing) {
    return slenderness <= slendernessLimit(fixing);
}

SlendernessVerdicts slendernessLimits(float slenderness) {
    return {slendernessOk(slenderness, EndFixing::BothFixed),
            slendernessOk(slenderness, EndFixing::OneFixedOnePivoted),
            slendernessOk(slenderness, EndFixing::BothPivoted)};
}

int slendernessTextId(EndFixing fixing, std::optional<bool> passed) {
    const int offset = static_cast<int>(fixing); // 0, 1, 2 in the order of the texts
    if (!passed)
        return 1401 + offset;
    return (*passed ? 1398 : 1395) + offset;
}

bool pitchRatioOk(float pitch, float meanDiameter, double lowerFactor, double upperFactor) {
    const float lower = num::toSingle(double(meanDiameter) * lowerFactor);
    const float upper = num::toSingle(double(meanDiameter) * upperFactor);
    return lower <= pitch && pitch <= upper;
}

double helixAngle(double pitch, double meanDiameter) {
    return std::atan(num::div(pitch / 3.1416, meanDiameter)) * 180.0 / 3.1416;
}

bool helixAngleOk(double helixAngleDegrees, double lower, double upper) {
    return lower < helixAngleDegrees && helixAngleDegrees < upper;
}

bool deformationRatioOk(float ratio, float lower, float upper) {
    return lower <= ratio && ratio <= upper;
}

bool deformationPairOk(double firstDeflection, double lastDeflection, double referenceDeflection,
                       double lower, double upper) {
    const double first = num::div(firstDeflection, referenceDeflection);
    const double last = num::div(lastDeflection, referenceDeflection);
    return !(first < lower || last > upper);
}

std::optional<bool> springIndexOk(float wireDiameter, float springIndex) {
    struct Band {
        float above, below;           // the wire-diameter test: above < d < below
        float indexAbove, indexBelow; // passes when indexAbove < C < indexBelow
    };
    const float d = wireDiameter;
    const float c = springIndex;
    auto inside = [c](float above, float below) { return above < c && c < below; };
    // The bands are tested in this order and the first that holds decides; the first takes
    // every d below 0.5, so the slight overlaps of the bounds never matter.
    if (d < 0.5f)
        return inside(3.999f, 14.001f);
    static constexpr Band bands[] = {{0.499f, 1.1f, 4.999f, 12.001f},
                                     {1.099f, 2.5f, 4.999f, 10.001f},
                                     {2.499f, 7.0f, 3.999f, 9.001f},
                                     {6.999f, 18.0f, 3.999f, 8.001f}};
    for (const Band& band : bands)
        if (band.above < d && d < band.below)
            return inside(band.indexAbove, band.indexBelow);
    if (d > 17.999f)
        return inside(3.999f, 16.001f);
    return std::nullopt;
}

} // namespace springchecks
