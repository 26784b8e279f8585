#pragma once
// Theoretical fatigue life of a helical spring, looked up from the ratio of the working stress
// to the tensile strength of the wire. Lives are in units of 10^4 load cycles and are shown
// beside the unit text 1415 ("万次(参考)", for reference only); a stress past the last
// threshold of a row gives text 2469 ("堪忧").
//
//   compression (tau / sigma_b):  < 0.3 -> 1000, < 0.33 -> 100, < 0.35 -> 10, < 0.365 -> 6,
//                                 < 0.375 -> 4, < 0.39 -> 3, < 0.42 -> 2, < 0.45 -> 1
//   extension:                    the compression thresholds times 0.8, same lives
//   torsion (sigma / sigma_b):    < 0.48 -> 1000, < 0.51 -> 100, < 0.53 -> 10, < 0.56 -> 5,
//                                 < 0.59 -> 4, < 0.62 -> 3, < 0.66 -> 2
//
// Every comparison is strict, so a ratio equal to a threshold falls into the next band
// (0.3 gives "100", 0.45 gives text 2469). The functions are pure; the precision of each
// row's comparison is part of its definition, see below.

#include <QString>

namespace fatigue {

struct Life {
    // "1000", "100", ... in 10^4 cycles; empty when the stress is past the row's last threshold.
    QString cycles;

    bool pastTable() const { return cycles.isEmpty(); }
    // The text a life box shows: the cycles, or text 2469 in the language in force.
    QString text() const;
};

// The precision a row's comparison is made in.
enum class Precision { Single, Double };

// Compression row: r = tau / sigma_b rounded to single precision, compared with each threshold
// as a single-precision constant. Throws num::CalcFault when sigma_b is zero.
Life compression(float shearStress, float tensileStrength);
// The same row compared in the given precision: with Double the ratio and the thresholds stay
// in double precision (a ratio of exactly 0.3 then gives "100", not "1000" through rounding).
Life compression(double shearStress, double tensileStrength, Precision precision);

// Extension row: each product sigma_b * c * 0.8 (sigma_b times c first) is formed in double
// precision and rounded to single precision, then compared with the single-precision stress.
Life extension(float shearStress, float tensileStrength);

// Torsion row: each product sigma_b * c compared with the bending stress. The torsion window
// compares in two precisions: with Single the product is rounded to single precision and the
// stress is taken as a single; with Double both stay in double precision.
Life torsion(double bendingStress, double tensileStrength, Precision precision);

} // namespace fatigue
