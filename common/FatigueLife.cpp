#include "common/FatigueLife.h"

#include "common/CheckedMath.h"
#include "common/StringTable.h"

#include <array>

namespace fatigue {
namespace {

struct Band {
    double threshold;
    const char* cycles;
};

constexpr std::array<Band, 8> kCompressionRow{{{0.3, "1000"},
                                               {0.33, "100"},
                                               {0.35, "10"},
                                               {0.365, "6"},
                                               {0.375, "4"},
                                               {0.39, "3"},
                                               {0.42, "2"},
                                               {0.45, "1"}}};

// Seven thresholds, and the fourth life is 5, not 6 as in the compression row.
constexpr std::array<Band, 7> kTorsionRow{
    {{0.48, "1000"}, {0.51, "100"}, {0.53, "10"}, {0.56, "5"}, {0.59, "4"}, {0.62, "3"}, {0.66, "2"}}};

constexpr double kExtensionFactor = 0.8;

template <class Row, class Below> Life firstBandBelow(const Row& row, Below below) {
    for (const Band& band : row)
        if (below(band.threshold))
            return {QString::fromLatin1(band.cycles)};
    return {};
}

} // namespace

QString Life::text() const {
    return pastTable() ? StringTable::text(2469) : cycles;
}

Life compression(float shearStress, float tensileStrength) {
    const float ratio = num::toSingle(num::div(shearStress, tensileStrength));
    return firstBandBelow(kCompressionRow,
                          [ratio](double threshold) { return ratio < static_cast<float>(threshold); });
}

Life compression(double shearStress, double tensileStrength, Precision precision) {
    if (precision == Precision::Single)
        return compression(num::toSingle(shearStress), num::toSingle(tensileStrength));
    const double ratio = num::div(shearStress, tensileStrength);
    return firstBandBelow(kCompressionRow, [ratio](double threshold) { return ratio < threshold; });
}

Life extension(float shearStress, float tensileStrength) {
    return firstBandBelow(kCompressionRow, [=](double threshold) {
        const float limit = num::toSingle(double(tensileStrength) * threshold * kExtensionFactor);
        return shearStress < limit;
    });
}

Life torsion(double bendingStress, double tensileStrength, Precision precision) {
    if (precision == Precision::Single) {
        const float stress = num::toSingle(bendingStress);
        return firstBandBelow(kTorsionRow, [=](double threshold) {
            return stress < num::toSingle(tensileStrength * threshold);
        });
    }
    return firstBandBelow(kTorsionRow, [=](double threshold) {
        return bendingStress < num::finite(tensileStrength * threshold);
    });
}

} // namespace fatigue
