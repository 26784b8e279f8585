#pragma once
// The strip steels of the spiral springs and mainsprings, the allowable bending stress by
// service life and the fixing factors of a spiral's outer end. Every list is an editable
// drop-down box, so each lookup compares the box's text exactly with the list texts in the
// language in force; a text that is none of them gives 0.

#include <QString>
#include <QStringList>

namespace strip {

// Texts 2294, 2295, 2296: spring, stainless and hot-rolled spring steel strip.
QStringList steelNames();
// Young's modulus in N/mm².
double steelModulus(const QString& text);

// Texts 2299, 2300, 2301: more than 10^5, more than 10^3, less than 10^3 cycles.
QStringList serviceLifeNames();
// The allowable bending stress as a fraction of the tensile strength.
double serviceLifeFactor(const QString& text);

// The spiral check's own life list: fixed texts, the same in every language.
QStringList fixedServiceLifeTexts();
double fixedServiceLifeFactor(const QString& text);

// Texts 2297, 2298: outer end fixed, outer end turning.
QStringList outerEndFixingNames();
struct EndFixing {
    double k1 = 0; // factor of the thickness formula
    double k2 = 0; // factor of the length formula
};
EndFixing outerEndFixing(const QString& text);

} // namespace strip
