#pragma once
// Formulas of cylindrical and conical springs that several calculators share.
//
// Each function evaluates its formula in the order the calculators have always used, so
// that rounding comes out the same in every window; the steps that can fail (a division by
// zero, the square root of a negative number, an overflow) throw num::CalcFault. Functions
// taking and returning float store their results in single precision, as the windows that
// use them do; intermediate products are formed in double.

namespace springs {

// ---- any coil ----------------------------------------------------------------------------

// The outer and inner diameters D + d and D - d of a coil of mean diameter D and wire d, as the
// drawing sheets list them; a value beyond the double range faults.
struct CoilDiameters {
    double outer;
    double inner;
};
CoilDiameters coilDiameters(double wireDiameter, double meanDiameter);

// ---- torsion springs ---------------------------------------------------------------------

// TorsionSpringRate: torque per degree of twist, E d^4 / (3667 D n + 389 (L1 + L2)), the
// denominator formed as (L1 + L2) * 389 + D * 3667 * n. With E in kgf/mm² and lengths in mm
// the rate is in kgf·mm per degree.
double torsionSpringRate(double e, double d, double meanDiameter, double activeCoils, double leg1,
                         double leg2);

// The same rate with E d^4 and the denominator each stored in single precision before the
// division, and the quotient stored in single precision.
float torsionSpringRateSingle(float e, float d, float meanDiameter, float activeCoils, float leg1,
                              float leg2);

// CurvatureFactor: (4C - 1) / (4C - 4) for the spring index C = D/d; undefined at C = 1.
double curvatureFactor(double springIndex);

// ---- extension springs -------------------------------------------------------------------

// InitialTension: pi G d^4 / (800 D^2), evaluated as d^4 * (G * pi) * unitFactor / 800 / D / D.
// With G in kgf/mm² the result is in kgf times unitFactor (1000 gives gf). Each window
// passes its own value of pi.
double initialTension(double g, double d, double meanDiameter, double pi, double unitFactor = 1.0);

// The band of loads of an extension spring at an extension f: from K f + P0 to K f + 1.8 P0.
struct LoadBand {
    double least;
    double greatest;
};
LoadBand extensionLoadBand(double rate, double extension, double initialTension);

// ---- conical springs (ConicalSpringRate) -------------------------------------------------
//
// Conical spring of round wire whose coil radius changes linearly from R1 (small end) to R2
// (large end) over n active coils. G in kgf/mm², lengths in mm, loads in N (9.8 converts kgf
// to N). The steps are separate so that a window can show each result before the next step
// runs.

// Mean coil radius of an end from its outer diameter: (OD - d) / 2.
float conicalCoilRadius(float outerDiameter, float d);

// Rate while no coil touches its neighbour, N/mm:
// d^4 * (9.8 G) * (R1 - R2) / 16 / n, then divided by (R1^4 - R2^4).
float conicalRateBeforeContact(float g, float d, float r1, float r2, float activeCoils);

// Axial distance between the centres of two touching neighbouring coils: while the radial
// step (R2 - R1)/n is smaller than d, s = d sqrt(1 - (R2 - R1)^2 / n / n / d / d); once it
// is d or more the coils nest inside one another and s = 0. The comparison n d > R2 - R1 is
// strict and made on single-precision values.
float conicalContactSpacing(float d, float r1, float r2, float activeCoils);

// Load that closes the gap (t - s) of the coil of radius R: with R2 the load at which the
// first coil touches (Fz), with R1 the load at which all coils touch (Fb), in N.
// Evaluated as d^4 * (9.8 G) * (t - s) / 64 / R / R / R.
float conicalClosingLoad(float g, float d, float pitch, float spacing, float radius);

// Solid height: the active coils stacked at s each plus two end coils of height d.
float conicalSolidHeight(float spacing, float activeCoils, float d);

} // namespace springs
