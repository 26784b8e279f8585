#pragma once
// The arithmetic of the normal-mode conical (tower) spring calculator, kept apart from its
// window.
//
// Inputs are single-precision values and each result is stored in single precision before it
// is shown, the gf ones excepted. Results are filled in the order the window shows them: a
// fault leaves every later one not reached while those before it keep their values.

#include "calc/normal/NotReached.h"

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

using normalcalc::kNotReached;
using normalcalc::kNotReachedSingle;

struct Results {
    float rate = kNotReachedSingle; // N/mm, while no coil touches
    float contactLoad = kNotReachedSingle;
    float contactHeight = kNotReachedSingle; // as shown, to one decimal
    float solidLoad = kNotReachedSingle;
    float solidHeight = kNotReachedSingle;
    float load1 = kNotReachedSingle;
    double load1Gf = kNotReached;
    SecondHeight second = SecondHeight::NotGiven;
    float load2 = kNotReachedSingle;
    double load2Gf = kNotReached;
    // Beyond the first contact the spring is stiffer: a load shown there is a lower bound.
    bool load1BeyondContact = false;
    bool load2BeyondContact = false;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace conical
