#pragma once
// The hourglass (concave) compression spring: the coil radius grows along a parabola from the
// waist radius R1 in the middle to R2 at both ends.

namespace hourglass {

// The rate before any coil touches, kgf/mm: 35 G d^4 / (64 n (35 R1^2 R2 + 21 R1 a^2 + 5 a^3))
// with a = R2 - R1, evaluated as (35 G d^4 / 64 / n) / (...). With R1 = R2 it is the
// cylindrical rate G d^4 / (8 D^3 n), D = 2 R1. Throws num::CalcFault for n = 0 or a zero
// denominator.
double springRate(double g, double d, double n, double waistRadius, double endRadius);

struct Inputs {
    double g = 0, d = 0, waistOuter = 0, endOuter = 0, activeCoils = 0, freeHeight = 0, height1 = 0;
};

struct Results {
    double rateN;               // K x 9.8, N/mm
    double load1N;              // F1 x 9.8
    double load1;               // F1, kgf
    double closeLoadN;          // Fz x 9.8: the end coils begin to close
    double solidLoadN;          // Fb x 9.8: every coil is closed
    bool beyondContact = false; // F1 > Fz
};

// Results in the order they are written; a fault (num::CalcFault) leaves the later ones not reached.
void compute(const Inputs& in, Results& out);

} // namespace hourglass
