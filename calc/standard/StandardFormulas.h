#pragma once
// The formulas of the compression, torsion and extension standard designers.
//
// Each solves its spring relation for one quantity from the others. Inputs are single
// precision; every step is evaluated in double and stored back into single precision exactly
// where the designers always stored it, in the same order of operations, so results agree to
// the last shown digit. A step that cannot be evaluated (a zero divisor, a root of a negative
// number, a value beyond the single range) throws num::CalcFault.

#include "calc/standard/StandardQuantities.h"

namespace standard {

// Compression: P = k f with k = G d^4 / (8 n D^3) and f = H0 - H1.
float compressionSolve(SolveFor target, const Quantities& q);

// Torsion: P R = kT θ with kT = E d^4 / (3667 D n + 389 (a1 + a2)), per degree.
float torsionSolve(SolveFor target, const Quantities& q);

// Extension with initial tension: P = k f + P0, f = H1 - H0, P0 = 3.1416 G d^4 / (800 D^2).
float extensionSolve(SolveFor target, const Quantities& q);

// The mean diameter of the extension spring from the depressed cubic D^3 + p D + q = 0,
// solved for its real root by Cardano's formula; every step is kept so it can be checked.
struct CardanoSteps {
    float p = 0;
    float q = 0;
    float h = 0;            // -q / 2
    float delta = 0;        // (p/3)^3 + (q/2)^2
    double rootDelta = 0;   // √Δ, not stored
    float a = 0;            // h + √Δ
    float b = 0;            // h - √Δ
    float meanDiameter = 0; // A^(1/3) + B^(1/3)
};
CardanoSteps extensionMeanDiameter(const Quantities& q);

} // namespace standard
