#pragma once
// The arithmetic of the normal-mode compression calculator, kept apart from its window.
//
// Inputs and loads are single-precision values, as the calculator has always held them;
// expressions are evaluated in double and rounded on every store, so results match the
// figures users know digit for digit. Every division goes through the checked helpers: a
// mean diameter or coil count of 0 stops the calculation instead of showing "inf".

namespace compression {

// Developed wire length n·π·D with π = 3.1416, rounded to 0.1 mm with ties to even.
double developedLength(double totalCoils, float meanDiameter);

// Solid height (n + 1)·d, or (n − 0.5)·d for ground ends. The window keeps it as the text of
// the double value and reads that back as a single-precision number for its checks, so a
// working height typed as the same decimal compares equal.
float solidHeight(double totalCoils, float wireDiameter, bool groundEnds);

// Rate G·d⁴·1000/D³/Nt/8 in gf/mm, a four-decimal fixed-point value.
double rateGf(float shearModulus, float wireDiameter, float meanDiameter, float activeCoils);

// The rate in N/mm (gf/mm × 9.8/1000), a four-decimal fixed-point value.
double rateN(double rateGf);

// Load G·f·d⁴·1000/8/Nt/D³ in gf at a deflection f, computed from the inputs rather than the
// rounded rate, stored in single precision.
float loadGf(float shearModulus, float deflection, float wireDiameter, float meanDiameter, float activeCoils);

// A load in gf converted to N (× 9.8/1000), stored in single precision.
float loadN(float loadGf);

} // namespace compression
