#pragma once
// The three-section pitch spring: dense section 1 (n1 coils, pitch tm1), dense section 2
// (n2, tm2) and a sparse section (n3, tx) on one mean diameter, in series. Every active coil
// deflects alike until the smallest gap closes: section 1 closes at S1, section 2 at S2.

#include <optional>

namespace threesection {

struct Inputs {
    double g = 0; // kgf/mm²
    float d = 0, meanDiameter = 0, coils1 = 0, pitch1 = 0, coils2 = 0, pitch2 = 0, coils3 = 0, pitch3 = 0;
};

struct Results {
    std::optional<double> rate1, rate2, rate3;       // section rates, N/mm
    std::optional<double> combined1, combined2;      // all three sections; sections 2 and 3
    std::optional<double> travel1, travel2, travel3; // deflection of each section until it closes
    std::optional<double> freeHeight, node1, node2;
};

void compute(const Inputs& in, Results& r);

} // namespace threesection
