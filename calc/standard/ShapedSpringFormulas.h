#pragma once
// The formulas of the conical, barrel and hourglass standard designers.
//
// All three describe the spring by a large mean diameter MD2 and a small one MD1 and solve
// P = k L1 for one quantity. Inputs are single precision; the radii (and for the barrel forms
// their difference) are stored in single precision, everything else is evaluated in double in
// the designers' own order and the result stored in single precision. A step that cannot be
// evaluated throws num::CalcFault.

#include "calc/standard/StandardQuantities.h"

namespace standard {

// Conical (tower) spring: k = G d^4 (R2 − R1) / (16 n (R2^4 − R1^4)), MD2 at the large end.
float conicalSolve(SolveFor target, const Quantities& q);

// Barrel spring: the middle coil is MD2, the end coils MD1.
float barrelSolve(SolveFor target, const Quantities& q);

// Hourglass spring: the middle coil is MD1, the end coils MD2.
float hourglassSolve(SolveFor target, const Quantities& q);

} // namespace standard
