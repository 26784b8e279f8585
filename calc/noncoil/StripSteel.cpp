#include "calc/noncoil/StripSteel.h"

#include "common/StringTable.h"

#include <array>

namespace strip {
namespace {

struct Row {
    int textId;
    double value;
};

constexpr std::array<Row, 3> kSteels{{{2294, 206000}, {2295, 185000}, {2296, 197000}}};
constexpr std::array<Row, 3> kLives{{{2299, 0.55}, {2300, 0.7}, {2301, 0.8}}};

template <std::size_t N> QStringList names(const std::array<Row, N>& rows) {
    QStringList out;
    for (const Row& r : rows)
        out.append(StringTable::text(r.textId));
    return out;
}

template <std::size_t N> double lookup(const std::array<Row, N>& rows, const QString& text) {
    for (const Row& r : rows)
        if (text == StringTable::text(r.textId))
            return r.value;
    return 0;
}

} // namespace

QStringList steelNames() {
    return names(kSteels);
}

double steelModulus(const QString& text) {
    return lookup(kSteels, text);
}

QStringList serviceLifeNames() {
    return names(kLives);
}

double serviceLifeFactor(const QString& text) {
    return lookup(kLives, text);
}

QStringList fixedServiceLifeTexts() {
    return {QStringLiteral("> 10^5"), QStringLiteral("> 10^3"), QStringLiteral("< 10^3")};
}

double fixedServiceLifeFactor(const QString& text) {
    const QStringList texts = fixedServiceLifeTexts();
    const double factors[] = {0.55, 0.7, 0.8};
    for (int i = 0; i < texts.size(); ++i)
        if (text == texts[i])
            return factors[i];
    return 0;
}

QStringList outerEndFixingNames() {
    return {StringTable::text(2297), StringTable::text(2298)};
}

EndFixing outerEndFixing(const QString& text) {
    if (text == StringTable::text(2297))
        return {1, 1};
    if (text == StringTable::text(2298))
        return {2, 1.25};
    return {};
}

} // namespace strip
