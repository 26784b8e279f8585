#pragma once
// The steps of the expert conical calculator (Form11) that the normal-mode conical model does
// not have: its pitch rule and the shear stress at full contact. Single-precision results,
// expressions in double; faults throw num::CalcFault.
//
// compute() runs the whole calculation: whether the coils touch, the index and Wahl factor,
// the rate, the pitch, the loads and heights at first contact and at solid, the load at the
// first working height and, when a second is typed, at that one, and the shear stress at solid.
// The results are filled in the order the window shows them; one not reached stays NaN (or
// empty), so after an arithmetic fault the window still shows what came before it.

#include "common/NotReached.h"

#include <optional>

namespace conicalexpert {

using num::notReached;
using num::notReachedSingle;

struct Inputs {
    float g = 0, d = 0;                   // kgf/mm², mm
    float smallOuter = 0, largeOuter = 0; // outer diameters of the two ends
    float coils = 0, freeHeight = 0, height1 = 0;
    double height2 = 0; // the second working height, when height2Given
    bool height2Given = false;
};

struct Results {
    std::optional<bool> coilsTouch; // coils that cannot nest inside each other rest on each other
    float springIndex = notReachedSingle;
    std::optional<bool> springIndexOk;
    float wahl = notReachedSingle;
    float rate = notReachedSingle;
    float pitch = notReachedSingle;
    float contactLoad = notReachedSingle;
    double contactHeight = notReached; // as shown to one decimal
    float solidLoad = notReachedSingle;
    float solidHeight = notReachedSingle;
    float load1 = notReachedSingle; // N
    double load1Gf = notReached;
    std::optional<bool> height2BelowSolid;
    float load2 = notReachedSingle;
    double load2Gf = notReached;
    std::optional<bool> load2BeyondContact; // beyond the first contact the load is a lower bound
    float solidStress = notReachedSingle;
    std::optional<bool> load1BeyondContact;
};

// Throws num::CalcFault on an arithmetic fault; what was reached stays in `r`.
void compute(const Inputs& in, Results& r);

// Pitch of the active coils: (H0 - 3 d) / n. The expert window takes three wire diameters
// off the free height, one more than the normal-mode window.
float pitch(float freeHeight, float d, float activeCoils);

// Shear stress at the full-contact load: 16 K Fb R1 / 3.14 / d / d / d (N/mm² for Fb in N).
float solidShearStress(float wahlFactor, float fullContactLoad, float smallRadius, float d);

} // namespace conicalexpert
