#pragma once
// The elliptical coil spring: a round-wire compression spring whose coils are ellipses. Its
// rate is the rate of a round coil as wide as the long mean axis, divided by a shape factor
// read from the ratio of the two mean semi-axes.

namespace ellipticalcoil {

// The shape factor c at the axis ratio r (0 <= r <= 1), linear between the tabulated points
// with the slopes of the table as they stand (the last slope is 1.25). A ratio outside the
// table faults: extrapolating or clamping would describe another spring.
double factorTable(double r);

struct Inputs {
    float d = 0, outerLength = 0, outerWidth = 0, activeCoils = 0, freeHeight = 0, height1 = 0, height2 = 0;
    double g = 0; // shear modulus, kgf/mm²
};

struct Results {
    float rate;    // K, kgf/mm
    double load1;  // F1, kgf, four decimals
    double load1N; // F1 x 9.8
    float load2;   // F2, kgf
    double load2N; // F2 x 9.8
};

// Whether the closed coils, (n + 2) d in single precision, fit into both working heights.
// The axis ratio comes first, so D1 = d faults here (num::CalcFault).
bool fits(const Inputs& in);

// Results in the order they are written; throws num::CalcFault for n = 0 or an axis ratio
// outside the factor table, before any result.
void compute(const Inputs& in, Results& out);

} // namespace ellipticalcoil
