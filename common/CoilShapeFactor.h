#pragma once
// The shape factor of a coil that is not round.
//
// A coil whose turns are flattened (an oval coil) or squared off is softer than a round coil
// of its large dimension; the round-coil rate is divided by the factor ψ(r, s), a polynomial
// in the side ratio r and a second ratio s with ψ(1, 1) = 1. The windows divide by the factor
// as it shows with two decimals, so the rounding is part of the result users know.

namespace coilshape {

// ψ(r, s), every term and the running sum in double precision, summed in the order the
// calculators have always used, and stored in single precision.
float shapeFactor(double r, double s);

// The oval coil's factor: ψ(r, 1) with the terms formed without s, less 0.07 for the oval
// form; the sum and the difference are each stored in single precision.
float ovalShapeFactor(double r);

// The factor as the windows divide by it: the single's own value through the pattern "0.00"
// (half away from zero) and read back. A factor that rounds to 0.00 would be a division by
// zero in every caller, so it throws num::CalcFault.
double roundedShapeFactor(float factor);

} // namespace coilshape
