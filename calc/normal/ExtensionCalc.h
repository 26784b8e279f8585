#pragma once
// The arithmetic of the normal-mode extension calculator, kept apart from its window.
//
// Inputs are single-precision values; the rate and the initial tension are stored in single
// precision, the loads are shown as computed. Results are filled in the order the window shows
// them: the second and third working length leave theirs not reached when not given, and a
// fault leaves every later one not reached while those before it keep their values.

#include "calc/normal/NotReached.h"

namespace extension {

struct Inputs {
    float g = 0; // modulus of the material, kgf/mm²
    float d = 0;
    float meanDiameter = 0;
    float coils = 0;
    float freeLength = 0;
    float length1 = 0;
    float length2 = 0;
    float length3 = 0;
    bool hasLength2 = false;
    bool hasLength3 = false;
};

using normalcalc::kNotReached;
using normalcalc::kNotReachedSingle;

struct Results {
    float lastLength = kNotReachedSingle; // the last working length reached, for the load test
    double longest = kNotReached;         // beyond this length the spring is likely to take a set
    float tension = kNotReachedSingle;    // gf
    double tensionN = kNotReached;
    float rate = kNotReachedSingle; // gf/mm
    double rateN = kNotReached;
    // The band of loads at each working length, in gf.
    double least1 = kNotReached, greatest1 = kNotReached;
    double least2 = kNotReached, greatest2 = kNotReached;
    double least3 = kNotReached, greatest3 = kNotReached;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace extension
