#pragma once
// The expert compression calculation (Form21) without its window.
//
// The calculation runs in steps: the geometry, the installed height h1, the working height h2
// and, when it is typed, the working height h3. A height below the solid height skips its step
// (the window says so with text 2471) and the next step still runs. Each step fills its results
// in the order the window shows them; a member that a step has not reached stays NaN, so when an
// arithmetic fault (num::CalcFault) stops the calculation the window still shows what came
// before it.
//
// Precision follows the calculator as it always was: inputs and most results in single
// precision, the rate and the maximum deflection as four-decimal fixed point, and a few values
// (solid height, natural and forced frequency, helix angle) taken back from their shortest text
// before they are used.

#include "common/FatigueLife.h"
#include "common/NotReached.h"
#include "common/SpringChecks.h"

#include <optional>

namespace endforms {
struct EndForm;
}

namespace compressionexpert {

using num::notReached;
using num::notReachedSingle;

struct Inputs {
    const endforms::EndForm* endForm = nullptr; // needed: without it there is no solid height
    float G = 0, d = 0, D = 0, n = 0;           // N/mm², mm, mm, active coils
    double n1 = 0;                              // total coils
    float H0 = 0, h1 = 0, h2 = 0;               // free, installed and working height
    double h3 = 0;                              // the third height, when h3Given
    bool h3Given = false;
    double tolerance = 0; // ± on the heights, mm
    // Tensile strength (MPa) and allowable-stress coefficient; the strength checks run only when
    // both are typed.
    double tensileStrength = 0, coefficient = 0;
    bool strengthGiven = false;
};

struct Geometry {
    double developedLength = notReached;
    double solidHeight = notReached; // as read back from its shortest text
    double maxDeflection = notReached;
    float pitch = notReachedSingle;
    std::optional<bool> pitchOk;
    double helixAngle = notReached;
    std::optional<bool> helixAngleOk;
};

// At the installed height h1.
struct Installed {
    double rate = notReached; // N/mm, four-decimal fixed point
    float load = notReachedSingle;
    double tolerance = notReached; // of the load, as a fraction
    float solidLoad = notReachedSingle;
    double naturalFrequency = notReached;
    double forcedFrequency = notReached;
    std::optional<bool> resonanceOk;
    float springIndex = notReachedSingle;
    std::optional<bool> springIndexOk; // stays empty where the wire has no index range
    float activeCoils = notReachedSingle;
    std::optional<bool> activeCoilsOk;
    float stress = notReachedSingle;
};

// With a tensile strength and coefficient: the allowable stress, the safety factor, the test
// load with its deflection (the solid load and the maximum deflection when the spring goes solid
// first) and the fatigue life.
struct Strength {
    float allowableStress = notReachedSingle;
    float safetyFactor = notReachedSingle;
    std::optional<bool> safetyOk;
    double testLoad = notReached;           // below the solid load
    float solidTestLoad = notReachedSingle; // at or past it
    float testDeflection = notReachedSingle;
    double solidTestDeflection = notReached;
    std::optional<bool> characteristicOk;
    std::optional<fatigue::Life> life;
};

// At a working height (h2 or h3).
struct Working {
    float load = notReachedSingle;
    double limitLoad = notReached;
    double tolerance = notReached;
    float stress = notReachedSingle;
    double stressRatio = notReached; // tau1 over this stress
    float deformationRatio = notReachedSingle;
    std::optional<bool> deformationOk;
    float slenderness = notReachedSingle; // h2 only
    std::optional<springchecks::SlendernessVerdicts> slendernessPassed;
    Strength strength;
};

struct Results {
    Geometry geometry;
    Installed installed;
    Working working2, working3;
    int heightsBelowSolid = 0; // heights skipped, each reported with text 2471
};

// Throws num::CalcFault on an arithmetic fault, and when a working height follows a skipped
// installed height (there is no rate then); what was reached stays in `r`.
void compute(const Inputs& in, Results& r);

} // namespace compressionexpert
