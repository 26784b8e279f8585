#pragma once
// A helical torsion spring of rectangular-section wire: a across the coil, b along the axis.
// The computation runs in kgf·mm with E in kgf/mm²; each result is turned into N only where it
// is shown, by 9.8.

#include <optional>

namespace rectangulartorsion {

struct Inputs {
    double e = 0;
    double across = 0, along = 0, meanDiameter = 0, coils = 0, angle = 0, arm = 0;
};

struct Results {
    std::optional<double> angularRateN; // N·mm per degree
    std::optional<double> torqueN;      // N·mm at the angle
    std::optional<double> forceN;       // N at the arm
};

void compute(const Inputs& in, Results& r);

} // namespace rectangulartorsion
