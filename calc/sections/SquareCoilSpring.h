#pragma once
// A compression spring of round wire wound on square or rectangular coils: every coil measures
// D1 by D2 outside. The rate of a round coil of mean diameter D1 − d is divided by the coil
// shape factor of the side ratio and of the second ratio 1.5·d over the half width. G is in
// kgf/mm², so the rate is in kgf/mm and the loads in kgf. Inputs and stored values are singles;
// the first load and the second deflection are four-decimal fixed-point values.

#include <optional>

namespace squarecoil {

struct Inputs {
    double g = 0;
    float d = 0, length = 0, width = 0, activeCoils = 0, freeHeight = 0, firstHeight = 0, secondHeight = 0;
};

struct Results {
    bool coilsFit = true; // false: the solid height is above a working height, nothing computed
    double shapeFactor = 0;
    std::optional<double> rate, load1, load1N, load2, load2N;
};

void compute(const Inputs& in, Results& r);

} // namespace squarecoil
