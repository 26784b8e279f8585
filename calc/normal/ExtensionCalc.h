#pragma once
// The arithmetic of the normal-mode extension calculator, kept apart from its window.
//
// Inputs are single-precision values; the rate and the initial tension are stored in single
// precision, the loads are shown as computed. Results are filled in the order the window shows
// them and start empty: the second and third working length leave theirs empty when not
// given, and a fault leaves every later one empty while those before it keep their values.

#include <optional>

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
    // The last working length reached, which the load test starts from.
    std::optional<double> lastLength;
    // Beyond this length the spring is likely to take a set.
    std::optional<double> longest;
    std::optional<double> tension, tensionN; // gf, N
    std::optional<double> rate, rateN;       // gf/mm, N/mm
    // The band of loads at each working length, in gf.
    std::optional<double> least1, greatest1;
    std::optional<double> least2, greatest2;
    std::optional<double> least3, greatest3;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace extension
