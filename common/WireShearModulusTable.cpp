#include "common/WireShearModulusTable.h"

#include "common/StringTable.h"

#include <array>

namespace wireshear {
namespace {

struct Row {
    int textId;
    int squareWire, rectangularWire, flatWire; // 0: not listed in that window
};

constexpr std::array<Row, 8> kRows{{
    {1336, 79000, 78400, 79000}, // carbon-steel wire
    {1337, 79000, 79000, 79000}, // piano wire
    {1338, 71000, 71000, 71000}, // stainless wire SUS304
    {2400, 41000, 41000, 41000}, // silicon bronze
    {2401, 40000, 40000, 40000}, // tin bronze
    {2402, 44000, 44000, 44000}, // beryllium bronze
    {2403, 78000, 78000, 78000}, // hot-rolled spring steel
    {2470, 42000, 42000, 0},     // titanium alloy
}};

int value(const Row& row, Column column) {
    switch (column) {
    case Column::SquareWire:
        return row.squareWire;
    case Column::RectangularWire:
        return row.rectangularWire;
    case Column::FlatWire:
        return row.flatWire;
    }
    return 0;
}

} // namespace

QStringList names(Column column) {
    QStringList list;
    for (const Row& row : kRows)
        if (value(row, column))
            list.append(StringTable::text(row.textId));
    return list;
}

double modulus(Column column, const QString& text) {
    for (const Row& row : kRows)
        if (value(row, column) && StringTable::text(row.textId) == text)
            return value(row, column);
    return 0;
}

} // namespace wireshear
