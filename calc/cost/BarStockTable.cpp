#include "calc/cost/BarStockTable.h"

#include "common/StringTable.h"

namespace {

struct Row {
    int textId;
    BarStock stock;
};

const Row kBars[] = {
    {2208, {0.00785, 3.1416, 0.6}}, {2209, {0.0089, 3.1416, 1.3}},  {2210, {0.0027, 3.1416, 1.1}},
    {2211, {0.00126, 3.1416, 0.9}}, {2212, {0.00785, 3.464, 1.15}}, {2213, {0.0089, 3.464, 1.15}},
    {2214, {0.0027, 3.464, 1.15}},
};

struct Machine {
    int textId;
    double loss;
};
const Machine kMachines[] = {{2215, 250}, {2216, 50}};

} // namespace

QStringList BarStockTable::names() {
    QStringList names;
    for (const Row& row : kBars)
        names.append(StringTable::text(row.textId));
    return names;
}

BarStock BarStockTable::find(const QString& material) {
    for (const Row& row : kBars) {
        if (StringTable::text(row.textId) == material)
            return row.stock;
    }
    return {};
}

QStringList BarStockTable::machineNames() {
    QStringList names;
    for (const Machine& m : kMachines)
        names.append(StringTable::text(m.textId));
    return names;
}

double BarStockTable::machineLoss(const QString& machine) {
    for (const Machine& m : kMachines) {
        if (StringTable::text(m.textId) == machine)
            return m.loss;
    }
    return 0;
}
