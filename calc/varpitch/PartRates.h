#pragma once
// Rates of the parts of a variable-pitch spring, in N/mm from G in kgf/mm², each formed in
// double precision and stored in single precision.

namespace varpitch {

// n cylindrical coils on the mean diameter D: 9.8·G·d⁴ / (8·n·D³).
float cylinderRate(double g, double d, double coils, double meanDiameter);

// n tapered coils between the mean diameters D1 and D2: 9.8·G·d⁴ / (2·n·(D1² + D2²)·(D1 + D2)).
float taperRate(double g, double d, double coils, double d1, double d2);

// Two parts in series: k1·k2 / (k1 + k2), stored in single precision.
float inSeries(float k1, float k2);

} // namespace varpitch
