#pragma once
// A cylindrical compression spring of square wire: its rate and the load at a compression.
// G in MPa and lengths in mm give the rate in N/mm and the load in N.

#include <optional>

namespace squarewire {

struct Inputs {
    double g = 0;
    double side = 0, meanDiameter = 0, activeCoils = 0, deflection = 0;
};

struct Results {
    std::optional<double> rate, load;
};

// K = G·a⁴ / (5.57·D³·n), divided step by step as the window has always divided; a zero D or n
// throws num::CalcFault before anything is known.
void compute(const Inputs& in, Results& r);

} // namespace squarewire
