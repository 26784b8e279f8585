#include "calc/noncoil/WaveSpring.h"

#include "calc/noncoil/MaterialRows.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"

#include <cmath>

namespace wave {

namespace {
constexpr noncoil::NamedModulus kMaterials[] = {
    {"SWC", 21000},  {"65Mn", 21000},         {"SUS304", 19000},
    {"17-7", 21000}, {"inconelX 750", 21800}, {"inconel 718", 20400},
};

float s(double value) {
    return num::toSingle(value);
}
} // namespace

double materialModulus(const QString& listText) {
    return noncoil::modulusNamed(kMaterials, listText);
}

QStringList materialNames() {
    return noncoil::namesOf(kMaterials);
}

float waveFactor(float waves) {
    if (waves >= 2.0f && waves <= 4.0f)
        return 3.88f;
    if (waves >= 4.5f && waves <= 6.5f)
        return 2.9f;
    if (waves >= 7.0f && waves <= 9.5f)
        return 2.3f;
    if (waves >= 10.0f)
        return 2.13f;
    return 0.0f;
}

Type springType(const QString& listText) {
    for (int i = 0; i < 6; ++i) {
        if (listText == StringTable::text(kFirstTypeText + i))
            return static_cast<Type>(i);
    }
    return Type::Unknown;
}

bool isSingleTurn(Type type) {
    return type == Type::Gap || type == Type::Overlap || type == Type::ClosedRing;
}

QString pictureName(Type type) {
    switch (type) {
    case Type::Series:
        return QStringLiteral("Image4");
    case Type::SeriesWithShims:
        return QStringLiteral("Image2");
    case Type::Nested:
        return QStringLiteral("Image3");
    case Type::Gap:
        return QStringLiteral("Image1");
    case Type::Overlap:
        return QStringLiteral("Image5");
    case Type::ClosedRing:
        return QStringLiteral("Image6");
    case Type::Unknown:
        break;
    }
    return {};
}

int heightVerdict(float waveHeight, float width) {
    if (waveHeight < width)
        return 2418;
    if (waveHeight > s(2.0 * width))
        return 2419;
    return 2420;
}

double workingHeightHint(float freeHeight, double thickness, double turns) {
    const double h = freeHeight;
    return h - 2 * (h - thickness * turns) / 3;
}

double closedRingLoad(double e, double width, double thickness, double waves, double deflection,
                      double meanDiameter) {
    return num::div(16 * e * width * std::pow(thickness, 3) * std::pow(waves, 4) * deflection,
                    std::pow(3.1416, 3) * std::pow(meanDiameter, 3));
}

double closedRingStress(double load, double meanDiameter, double width, double thickness, double waves) {
    return num::div(2.3562 * load * meanDiameter, width * thickness * thickness * waves * waves);
}

Results compute(const Inputs& in) {
    const double t = in.t, b = in.b, n = in.waves, z = in.turns, h0 = in.freeHeight;
    const float meanDiameter = s((double(in.shaft) + in.bore) / 2);
    const double dm = meanDiameter;
    const float f1 = s(h0 - in.height1);
    const float f2 = s(h0 - in.height2);
    const double k = waveFactor(in.waves);
    const double strip = in.e * b * std::pow(t, 3) * std::pow(n, 4);
    float rate = 0, load1 = 0, load2 = 0, stress = 0, solid = 0, height = 0;
    // The stress of the types with K, from the load at L2.
    auto seriesStress = [&](double divisor) {
        return s(num::div(9.42477 * load2 * dm, 4 * b * t * t * n * n * divisor));
    };
    switch (in.type) {
    case Type::Series:
    case Type::SeriesWithShims:
        rate = s(num::div(strip * in.bore, k * std::pow(dm, 3) * z * in.shaft));
        load1 = s(double(rate) * f1);
        load2 = s(double(rate) * f2);
        stress = seriesStress(1);
        solid = in.type == Type::Series ? s(t * n) : s((n + 2) * t);
        height = in.type == Type::Series ? s(num::div(h0, z)) : s(num::div(h0 - 2 * t, z));
        break;
    case Type::Nested:
        rate = s(num::div(strip * in.bore * z, k * std::pow(dm, 3) * in.shaft));
        load1 = s(double(rate) * f1);
        load2 = s(double(rate) * f2);
        stress = seriesStress(z);
        solid = s(t * n);
        height = s(h0 - t * n + t);
        break;
    case Type::Gap:
    case Type::Overlap:
        rate = s(num::div(strip * in.bore, k * std::pow(dm, 3) * in.shaft));
        load1 = s(double(rate) * f1);
        load2 = s(double(rate) * f2);
        stress = seriesStress(1);
        solid = in.type == Type::Gap ? in.t : s(2 * t);
        height = in.freeHeight;
        break;
    case Type::ClosedRing:
        rate = s(num::div(16 * strip, std::pow(3.1416, 3) * std::pow(dm, 3)));
        load1 = s(closedRingLoad(in.e, b, t, n, f1, dm));
        load2 = s(closedRingLoad(in.e, b, t, n, f2, dm));
        // The closed ring's stress comes from the load at L1.
        stress = s(closedRingStress(load1, dm, b, t, n));
        solid = in.t;
        height = in.freeHeight;
        break;
    case Type::Unknown:
        break;
    }
    Results r;
    // The wave height is shown, and judged, with one decimal.
    r.waveHeight = s(num::lenient(num::formatSingle(height, u"0.0")));
    r.verdictId = heightVerdict(r.waveHeight, in.b);
    r.load1 = load1;
    r.load1N = num::finite(double(load1) * 9.8);
    r.load2 = load2;
    r.load2N = num::finite(double(load2) * 9.8);
    r.stressN = num::finite(double(stress) * 9.8);
    r.rateN = num::finite(double(rate) * 9.8);
    r.solidHeight = solid;
    return r;
}

} // namespace wave
