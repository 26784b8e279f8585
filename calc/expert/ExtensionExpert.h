#pragma once
// The arithmetic of the expert extension calculator (Form23), apart from its window.
//
// compute() runs the whole calculation: initial tension, rate, the load band and stress at the
// first and second working length, with a tensile strength and coefficient the checks at the
// second, and when a third length is typed its band, stress and checks, which take over. The
// results are filled in the order the window shows them; one not reached stays NaN, so after an
// arithmetic fault the window still shows what came before it.
//
// Inputs and results are single-precision values: each expression is evaluated in double and
// rounded when it is stored. G is in kgf/mm², lengths in mm; initial tension and rate come
// out in gf and gf/mm, stresses in MPa. Divisions go through the checked helpers, so a zero
// divisor or an overflow throws num::CalcFault.

#include "common/FatigueLife.h"
#include "common/NotReached.h"

#include <optional>

namespace extensionexpert {

using num::notReached;
using num::notReachedSingle;

struct Inputs {
    float g = 0, d = 0, D = 0, n = 0; // kgf/mm², mm, mm, active coils
    float H0 = 0, L1 = 0, L2 = 0;     // free length and the first two working lengths
    double L3 = 0;                    // the third working length, when L3Given
    bool L3Given = false;
    float tensileStrength = 0, coefficient = 0; // MPa; the checks run only when strengthGiven
    bool strengthGiven = false;
    // The free length and the working lengths as typed, read strictly for the deformation
    // ratio: a text such as "12/5" has no value there and stops the calculation.
    std::optional<double> H0Strict, L2Strict, L3Strict;
};

// The checks at a working length.
struct Checks {
    float safetyFactor = notReachedSingle;
    std::optional<bool> belowAllowable;
    std::optional<fatigue::Life> life;
    float testLoad = notReachedSingle; // N
    float testDeflection = notReachedSingle;
    float deformationRatio = notReachedSingle;
    float lengthAtTestLoad = notReachedSingle;
    std::optional<bool> deformationOk;
};

// Load bands in gf: the lowest load of each as a single, the highest from its double value.
struct Results {
    float initialTension = notReachedSingle;  // gf
    float initialTensionN = notReachedSingle; // N, from the tension as shown
    float rate = notReachedSingle;            // gf/mm
    float rateN = notReachedSingle;           // N/mm
    float low1 = notReachedSingle;
    double high1 = notReached;
    float slenderness = notReachedSingle; // free length over wire diameter
    float springIndex = notReachedSingle;
    std::optional<bool> springIndexOk;
    float wahl = notReachedSingle;
    float stress1 = notReachedSingle;
    float low2 = notReachedSingle;
    double high2 = notReached;
    float stress2 = notReachedSingle;
    float allowableStress = notReachedSingle;
    Checks checks2;
    float low3 = notReachedSingle;
    double high3 = notReached;
    float stress3 = notReachedSingle;
    Checks checks3;
    bool thirdLengthDone = false; // the whole calculation ran: print and export may follow
};

// Throws num::CalcFault on an arithmetic fault; what was reached stays in `r`.
void compute(const Inputs& in, Results& r);

// Initial tension P0 = d^4 (G 3.1416) 1000 / 800 / D / D in gf.
float initialTension(float g, float d, float meanDiameter);

// Rate k = d^4 G 1000 / 8 / D^3 / n in gf/mm.
float rate(float g, float d, float meanDiameter, float activeCoils);

// A value in gf (or gf/mm) in N (or N/mm): times 9.8 / 1000.
float toNewton(double gramForce);

// Shear stress of a load F in N: F 8 K D / pi / d / d / d, with the pi each step uses.
float shearStress(float load, float wahlFactor, float meanDiameter, float d, double pi);

// Test load Fs = d^3 3.14 tau_s / 8 / D from the test stress tau_s = (c + 0.05) sigma_b 0.8.
float testLoad(float coefficient, float tensileStrength, float d, float meanDiameter);

// Test deflection fs = (Fs - P0 9.8 / 1000) / k, with P0 in gf and k in N/mm.
float testDeflection(float testLoad, float initialTensionGf, float rateN);

} // namespace extensionexpert
