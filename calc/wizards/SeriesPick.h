#pragma once
// Standard series of the design wizards and the pick of a series entry for a computed value.

#include <QStringList>
#include <optional>

class QComboBox;

namespace series {

// StandardWireDiameters: the wire-diameter series in mm, each text as the list shows it.
const QStringList& standardWireDiameters();
// TorsionWireDiameters: the torsion wizard's own wire-diameter series in mm.
const QStringList& torsionWireDiameters();
// ActiveCoilSeries: the active-coil series, each text as the list shows it.
const QStringList& activeCoilSeries();

// NearestSeriesPick on a list of ascending numbers: the first entry whose number is equal to
// or greater than v, so 1.20 picks "1.2" and 10.53 picks "11.0"; a v below the first entry
// picks the first; a v above the last picks nothing.
std::optional<int> nearestIndex(const QStringList& entries, double v);

// Selects that entry in the combo for the number a value field shows; with no entry to pick
// (or a value text that is not a number) the combo keeps its selection and text.
void pickNearest(QComboBox* combo, const QString& valueText);

} // namespace series
