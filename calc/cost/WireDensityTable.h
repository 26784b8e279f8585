#pragma once
// WireDensityTable: density in g/cm3 of the wire materials the weight windows offer, keyed by
// the material's text in the language in force.
//
// Two variants differ in one value and one row: the full one (seven rows, stainless steel
// 7.85, titanium alloy 4.5) serves the general and the conical spring weights; the
// hollow-section one (six rows, stainless steel 7.9, no titanium) the hollow-wire, serpentine
// and clock spring weights. The die spring weight lists the first three rows, the cost
// wizard's material step the first six of the full variant.
//
// Lookup compares the text exactly with each listed row in order; the first equal row gives
// the density, and a text that equals none gives 0.

#include <QString>
#include <QStringList>

class WireDensityTable {
public:
    enum class Variant { Full, HollowSection };
    static constexpr int kAllRows = -1;

    // The material texts of the first `rows` rows of the variant (all by default).
    static QStringList names(Variant variant, int rows = kAllRows);
    static double density(Variant variant, const QString& material, int rows = kAllRows);
};
