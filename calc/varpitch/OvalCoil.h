#pragma once
// The oval coil spring: a cylindrical compression spring of round wire whose coils, seen
// along the axis, measure D one way and b the other. The rate of a round coil of mean
// diameter D − d is divided by the oval coil's shape factor. G is in kgf/mm², so the rate is
// in kgf/mm and the loads in kgf; only the shown values are turned into N and gf.

#include <optional>

namespace ovalcoil {

struct Inputs {
    double g = 0; // kgf/mm²
    float d = 0, largeDiameter = 0, smallDiameter = 0, activeCoils = 0, freeHeight = 0;
    float firstHeight = 0, secondHeight = 0;
};

struct Results {
    bool coilsFit = true;        // false: the solid height is above a working height, nothing computed
    std::optional<double> rateN; // k·9.8, N/mm
    std::optional<double> load1Gf, load1N; // P1·1000, P1·9.8
    std::optional<double> load2Gf, load2N; // P2·1000 (a single), P2·9.8
};

// The solid height (n + 2)·d, as a single, may equal a working height but not exceed it.
bool coilsFit(float d, float activeCoils, float firstHeight, float secondHeight);

void compute(const Inputs& in, Results& r);

} // namespace ovalcoil
