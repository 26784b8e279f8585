#pragma once
// The arithmetic of the normal-mode compression calculator, kept apart from its window.
//
// Inputs and loads are single-precision values, as the calculator has always held them;
// expressions are evaluated in double and rounded on every store, so results match the
// figures users know digit for digit. Every division goes through the checked helpers: a
// mean diameter or coil count of 0 stops the calculation instead of showing "inf".

#include "common/NotReached.h"
#include "common/SpringFormulas.h"

#include <optional>

namespace compression {

enum class Ends { Ground, NotGround, Unknown };

struct Inputs {
    float shearModulus = 0;    // G, kgf/mm²
    float wireDiameter = 0;    // d
    float meanDiameter = 0;    // D
    float activeCoils = 0;     // Nt
    double totalCoils = 0;     // n, kept as typed
    float freeHeight = 0;      // H0
    float installedHeight = 0; // h1
    Ends ends = Ends::Unknown; // an end type that is neither entry of the list has no solid height
    // The optional working heights h2 and h3, as read; each is stored in single precision when
    // its step is reached, so a value out of range faults there, after the earlier results.
    std::optional<double> secondHeight, thirdHeight;
};

// A result not reached (a step after a fault, after a stop, or a working height left empty) stays
// NaN and its box keeps its text.
using num::notReached;
using num::notReachedSingle;

struct Results {
    double developedLength = notReached;
    float lastHeight = notReachedSingle; // the last working height looked at, for the load test
    bool solid = false;                  // stopped: the spring would be solid at lastHeight
    double rateGf = notReached, rateN = notReached;
    float firstLoadGf = notReachedSingle, firstLoadN = notReachedSingle;
    float secondLoadGf = notReachedSingle, secondLoadN = notReachedSingle;
    float thirdLoadGf = notReachedSingle;
    double thirdLoadN = notReached; // converted in double, as the calculator always did
    double limitLoad = notReached;  // from the last working load as shown, to two decimals
};

// Runs the steps in the calculator's order into `out`: developed length, the installed height
// against the solid height, rate and installed load, then each working height that is given.
// Stops (solid = true) at the first height below the solid height; throws num::CalcFault at an
// arithmetic fault, leaving in `out` what the steps before it produced.
void compute(const Inputs& in, Results& out);

// What the drawing sheet derives from the fields as they stand when it is filled, each read in
// double: the outer and inner diameters and the support coils (n - Nt)/2 at each end.
struct SheetValues {
    springs::CoilDiameters diameters;
    double supportCoils;
};
SheetValues sheetValues(double wireDiameter, double meanDiameter, double totalCoils, double activeCoils);

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
