#pragma once
// The shear modulus in MPa (N/mm²) of the wire materials of the square-, rectangular- and
// flat-wire calculators. Each calculator has its own column: the rectangular-wire window has
// always taken 78400 for carbon-steel wire, the others 79000, and the flat-wire window knows
// no titanium alloy.

#include <QString>
#include <QStringList>

namespace wireshear {

enum class Column { SquareWire, RectangularWire, FlatWire };

// The names of the rows a window lists, in row order, in the language in force.
QStringList names(Column column);

// G of the first listed row whose name equals the text exactly; 0 when none does.
double modulus(Column column, const QString& text);

} // namespace wireshear
