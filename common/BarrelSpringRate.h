#pragma once
// Rate of a barrel or hourglass spring: the coil radius changes from the end coils (Re) to the
// middle coil (Rm).
//
//   k = 35 G d^4 / (64 n B),  B = 21 Rm Δ² + 35 Rm² Re − 5 Δ³,  Δ = Rm − Re
//
// A barrel spring has Rm > Re, an hourglass spring Rm < Re; with Rm = Re = R, B = 35 R³ and k is
// the rate of a cylindrical spring of mean diameter 2R. G, d, Rm and Re in consistent units; k
// comes out in the force unit of G per mm. Nothing is checked: n = 0 or B = 0 throws
// num::CalcFault as a division by zero.

namespace springs {

// The radius factor B of the rate.
double barrelRadiusFactor(double middleRadius, double endRadius);

double barrelSpringRate(double g, double d, double activeCoils, double middleRadius, double endRadius);

} // namespace springs
