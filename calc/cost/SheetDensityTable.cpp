#include "calc/cost/SheetDensityTable.h"

#include "common/StringTable.h"

namespace {

struct Row {
    int textId;
    double density;
};
const Row kRows[] = {{2217, 7.8}, {2218, 7.85}, {2219, 2.7}, {2220, 8.9}, {2221, 8.5}, {2222, 8.5}};

} // namespace

QStringList SheetDensityTable::names() {
    QStringList names;
    for (const Row& row : kRows)
        names.append(StringTable::text(row.textId));
    return names;
}

double SheetDensityTable::density(const QString& material) {
    for (const Row& row : kRows) {
        if (StringTable::text(row.textId) == material)
            return row.density;
    }
    return 0;
}

double SheetDensityTable::margin(double thickness) {
    if (thickness <= 0.5)
        return 1.2;
    if (thickness <= 1.5)
        return 1.5;
    return 2;
}
