#pragma once
// BarStockTable: the kinds of bar stock a lathe part is turned from, keyed by the material
// list's text in the language in force, and the bar length each kind of machine loses.
//
// A row gives the density in g/mm3, the section factor (the section is factor * D^2 / 4 for a
// bar of size D: 3.1416 round, 3.464 hexagonal across flats) and the factor of the
// electroless nickel price. A text that matches no row gives zeros.

#include <QString>
#include <QStringList>

struct BarStock {
    double density = 0;       // g/mm3
    double sectionFactor = 0; // section = factor * D^2 / 4
    double platingFactor = 0; // electroless nickel
};

class BarStockTable {
public:
    static QStringList names();
    static BarStock find(const QString& material);

    // The machines, and the length of every bar (mm) that does not go into parts.
    static QStringList machineNames();
    static double machineLoss(const QString& machine);
};
