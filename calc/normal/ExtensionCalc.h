#pragma once
// The arithmetic of the normal-mode extension calculator, kept apart from its window.
//
// Inputs are single-precision values; the rate and the initial tension are stored in single
// precision, the loads are shown as computed. Results are filled in the order the window shows
// them: the second and third working length leave theirs not reached when not given, and a
// fault leaves every later one not reached while those before it keep their values.

#include "common/NotReached.h"

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

struct Results {
    float lastLength = num::notReachedSingle; // the last working length reached, for the load test
    double longest = num::notReached;         // beyond this length the spring is likely to take a set
    float tension = num::notReachedSingle;    // gf
    double tensionN = num::notReached;
    float rate = num::notReachedSingle; // gf/mm
    double rateN = num::notReached;
    // The band of loads at each working length, in gf.
    double least1 = num::notReached, greatest1 = num::notReached;
    double least2 = num::notReached, greatest2 = num::notReached;
    double least3 = num::notReached, greatest3 = num::notReached;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace extension
