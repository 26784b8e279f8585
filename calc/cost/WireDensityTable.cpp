#include "calc/cost/WireDensityTable.h"

#include "common/StringTable.h"

#include <algorithm>
#include <span>

namespace {

struct Row {
    int textId;
    double density;
};

const Row kFull[] = {{1335, 8.9},  {1336, 7.85}, {1337, 7.85}, {1338, 7.85},
                     {1339, 7.87}, {1340, 2.7},  {2470, 4.5}};
const Row kHollowSection[] = {{1335, 8.9}, {1336, 7.85}, {1337, 7.85},
                              {1338, 7.9}, {1339, 7.87}, {1340, 2.7}};

std::span<const Row> rowsOf(WireDensityTable::Variant variant, int rows) {
    std::span<const Row> all = variant == WireDensityTable::Variant::Full
                                   ? std::span<const Row>(kFull)
                                   : std::span<const Row>(kHollowSection);
    if (rows < 0)
        return all;
    return all.first(std::min<std::size_t>(static_cast<std::size_t>(rows), all.size()));
}

} // namespace

QStringList WireDensityTable::names(Variant variant, int rows) {
    QStringList names;
    for (const Row& row : rowsOf(variant, rows))
        names.append(StringTable::text(row.textId));
    return names;
}

double WireDensityTable::density(Variant variant, const QString& material, int rows) {
    for (const Row& row : rowsOf(variant, rows)) {
        if (StringTable::text(row.textId) == material)
            return row.density;
    }
    return 0;
}
