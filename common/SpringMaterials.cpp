#include "common/SpringMaterials.h"

#include "common/CheckedMath.h"
#include "common/StringTable.h"

#include <algorithm>
#include <cstring>
#include <span>

QString SpringMaterial::name() const {
    return textId ? StringTable::text(textId) : QString::fromLatin1(literal);
}

// SUS631 and its literal name 17-7 are one precipitation-hardening stainless alloy: JIS B 2704
// gives it G 73 500 and E 195 000 N/mm2, i.e. G 7500 and E 20000 kgf/mm2 (not carbon steel's).
const std::vector<SpringMaterial>& springMaterialTable() {
    static const std::vector<SpringMaterial> table = {
        {1384, nullptr, 8000, 21000},  {1337, nullptr, 8000, 21000},  {1385, nullptr, 8000, 21000},
        {1386, nullptr, 8000, 21000},  {1336, nullptr, 8000, 21000},  {1387, nullptr, 7500, 20000},
        {1388, nullptr, 7000, 19000},  {1338, nullptr, 7000, 19000},  {1389, nullptr, 7000, 19000},
        {1390, nullptr, 4500, 13000},  {1391, nullptr, 4300, 10000},  {1392, nullptr, 4000, 10000},
        {1393, nullptr, 4000, 11000},  {2470, nullptr, 4200, 11000},  {0, "17-7", 7500, 20000},
        {0, "30W4Cr2VA", 8000, 21000}, {0, "50CrVA", 8000, 21000},    {0, "55CrSi", 8000, 21000},
        {0, "60Si2Mn", 8000, 21000},   {0, "60Si2MnA", 8000, 21000},  {0, "60Si2MnVA", 8000, 21000},
        {0, "60Si2CrA", 8000, 21000},  {0, "60Si2CrVA", 8000, 21000}, {0, "65Mn", 8000, 21000},
        {0, "65Si2MnWA", 8000, 21000}, {0, "70Si3MnA", 8000, 21000},
    };
    return table;
}

namespace {

bool inShortSet(const SpringMaterial& m) {
    static const char* const literals[] = {"65Mn",   "65Si2MnWA", "60Si2MnA", "60Si2CrVA",
                                           "55CrSi", "50CrVA",    "17-7"};
    if (m.textId)
        return m.textId != 2470;
    return std::any_of(std::begin(literals), std::end(literals),
                       [&](const char* l) { return std::strcmp(l, m.literal) == 0; });
}

} // namespace

std::vector<SpringMaterial> springMaterialRows(SpringMaterialRows rows) {
    std::vector<SpringMaterial> out;
    for (const SpringMaterial& m : springMaterialTable()) {
        const bool keep = rows == SpringMaterialRows::All          ? true
                          : rows == SpringMaterialRows::NoTitanium ? m.textId != 2470
                                                                   : inShortSet(m);
        if (keep)
            out.push_back(m);
    }
    return out;
}

QStringList springMaterialNames(SpringMaterialRows rows) {
    QStringList names;
    for (const SpringMaterial& m : springMaterialRows(rows))
        names << m.name();
    return names;
}

double springMaterialModulus(SpringMaterialRows rows, const QString& text, Modulus modulus) {
    for (const SpringMaterial& m : springMaterialRows(rows)) {
        if (m.name() != text)
            continue;
        const double value = modulus == Modulus::G ? m.g : m.e;
        return rows == SpringMaterialRows::ShortNewton && modulus == Modulus::G ? value * 9.8 : value;
    }
    return 0;
}

double helicalSpringRate(double g, double d, double meanDiameter, double activeCoils) {
    return num::div(g * d * d * d * d, 8 * meanDiameter * meanDiameter * meanDiameter * activeCoils);
}

QStringList shortMaterialList(ShortListOrder order) {
    // A string-table row is named by its id, a grade literal by its text.
    struct Row {
        int textId;
        const char* literal;
    };
    static const Row steels[] = {
        {1384, nullptr}, {1337, nullptr}, {1385, nullptr}, {1386, nullptr},  {1336, nullptr},
        {0, "65Mn"},     {0, "60Si2MnA"}, {0, "55CrSi"},   {1387, nullptr},  {1388, nullptr},
        {1338, nullptr}, {1389, nullptr}, {1390, nullptr}, {1391, nullptr},  {1392, nullptr},
        {1393, nullptr}, {0, "50CrVA"},   {0, "17-7"},     {0, "65Si2MnWA"}, {0, "60Si2CrVA"},
    };
    static const Row tableFirst[] = {
        {1384, nullptr}, {1337, nullptr}, {1385, nullptr}, {1386, nullptr},  {1336, nullptr},
        {1387, nullptr}, {1388, nullptr}, {1338, nullptr}, {1389, nullptr},  {1390, nullptr},
        {1391, nullptr}, {1392, nullptr}, {1393, nullptr}, {0, "65Mn"},      {0, "60Si2MnA"},
        {0, "55CrSi"},   {0, "50CrVA"},   {0, "17-7"},     {0, "65Si2MnWA"}, {0, "60Si2CrVA"},
    };
    QStringList names;
    for (const Row& row :
         order == ShortListOrder::Steels ? std::span<const Row>(steels) : std::span<const Row>(tableFirst))
        names << (row.textId ? StringTable::text(row.textId) : QString::fromLatin1(row.literal));
    return names;
}
