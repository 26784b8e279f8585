#pragma once
// SheetDensityTable: density in g/cm3 of the sheet materials of the stamping windows, keyed by
// the material's text in the language in force (exact, first equal row; no match gives 0),
// and the edge margin a blank needs for a sheet thickness.

#include <QString>
#include <QStringList>

class SheetDensityTable {
public:
    static QStringList names();
    static double density(const QString& material);

    // Edge margin in mm: 1.2 up to 0.5 mm thickness, 1.5 up to 1.5 mm, 2 above; a bound
    // belongs to the band below it.
    static double margin(double thickness);
};
