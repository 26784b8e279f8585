#pragma once
// The arithmetic of the normal-mode conical (tower) spring calculator, kept apart from its
// window.
//
// Inputs are single-precision values and each result is stored in single precision before it
// is shown, the gf ones excepted. Results are filled in the order the window shows them: a
// fault leaves every later one not reached while those before it keep their values.

#include "common/NotReached.h"

#include <optional>

namespace conical {

struct Inputs {
    float g = 0; // shear modulus of the material, kgf/mm²
    float d = 0;
    float smallOuter = 0; // outer diameter of the small end
    float largeOuter = 0;
    float coils = 0;
    float freeHeight = 0;
    float height1 = 0;
    // The second working height as read; it is stored in single precision when its step is
    // reached.
    std::optional<double> height2;
};

// What became of the second working height.
enum class SecondHeight { NotGiven, BelowSolidHeight, Loaded };

struct Results {
    float rate = num::notReachedSingle; // N/mm, while no coil touches
    float contactLoad = num::notReachedSingle;
    float contactHeight = num::notReachedSingle; // as shown, to one decimal
    float solidLoad = num::notReachedSingle;
    float solidHeight = num::notReachedSingle;
    float load1 = num::notReachedSingle;
    double load1Gf = num::notReached;
    SecondHeight second = SecondHeight::NotGiven;
    float load2 = num::notReachedSingle;
    double load2Gf = num::notReached;
    // Beyond the first contact the spring is stiffer: a load shown there is a lower bound.
    bool load1BeyondContact = false;
    bool load2BeyondContact = false;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace conical
