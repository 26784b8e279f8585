#pragma once
// The two-rate variable-pitch spring: a dense part of Nm coils at pitch Tm and a sparse part
// of Nx coils at pitch Tx on one mean diameter. All coils deflect until the dense coils touch
// (the knee P3, f3); beyond it only the sparse coils work.

#include "calc/varpitch/TwoRateLine.h"

#include <optional>

namespace tworate {

struct Inputs {
    double g = 0; // shear modulus, kgf/mm² (0 when the material text matches no row)
    float d = 0, meanDiameter = 0, denseCoils = 0, densePitch = 0, sparseCoils = 0, sparsePitch = 0;
    float preloadDeflection = 0, maxDeflection = 0, tensileStrength = 0, coefficient = 0;
};

// Each value is set once its step is reached, in the order the window shows them.
struct Results {
    std::optional<double> combinedRate, sparseRate, denseRate; // N/mm
    std::optional<double> kneeLoad, kneeDeflection;
    std::optional<double> preload, preloadDeflection;
    std::optional<double> workingLoad, maxDeflection;
    std::optional<double> freeHeight, testLoad, shearStress;
    varpitch::Verdicts verdicts;
};

// Fills r step by step; an arithmetic fault throws num::CalcFault at its step.
void compute(const Inputs& in, Results& r);

} // namespace tworate
