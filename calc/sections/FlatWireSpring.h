#pragma once
// A cylindrical compression spring of flat wire whose narrow sides are rounded (the wire of die
// springs): the section is b wide and h thick, its ends rounded with the radius r, so that a
// straight part e = b − 2r lies between them. π is taken as 3.14 throughout, as the window
// has always taken it.

#include <optional>

namespace flatwire {

struct Inputs {
    double g = 0; // MPa
    double width = 0, thickness = 0, edgeRadius = 0, meanDiameter = 0, activeCoils = 0, deflection = 0;
};

struct Results {
    std::optional<double> momentA, momentB, polarMoment, rate, load;
};

// The three moments are known before the rate, so a zero D or n leaves them computed.
void compute(const Inputs& in, Results& r);

} // namespace flatwire
