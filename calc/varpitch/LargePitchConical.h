#pragma once
// The conical spring with a large-pitch small end: a dense cylindrical part (Nm coils, pitch
// Tm, mean diameter D2), a sparse cylindrical part (Nx coils, pitch Tx, D2) and a sparse
// tapered end (Nb coils, pitch Tx, D2 down to D1) in series. The dense coils touch first;
// from the inflection load P3 on only the two sparse parts work.

#include "calc/varpitch/TwoRateLine.h"

#include <optional>

namespace largepitch {

struct Inputs {
    double g = 0; // kgf/mm²
    float d = 0;
    double smallDiameter = 0; // D1 enters only the tapered rate, formed in double
    float largeDiameter = 0, denseCoils = 0, densePitch = 0, sparseCoils = 0, taperedCoils = 0;
    float sparsePitch = 0, preloadDeflection = 0, maxDeflection = 0, tensileStrength = 0, coefficient = 0;
};

struct Results {
    std::optional<double> denseRate, sparseCylinderRate, sparseTaperRate, sparseRate, combinedRate;
    std::optional<double> kneeLoad, kneeDeflection;
    std::optional<double> preload, preloadDeflection;
    std::optional<double> workingLoad, maxDeflection;
    std::optional<double> freeHeight, testLoad, shearStress;
    varpitch::Verdicts verdicts;
};

// The rate in N/mm of Nb tapered coils between the mean diameters D1 and D2:
// 9.8·G·d⁴·(R2 − R1) / (16·Nb·(R2⁴ − R1⁴)). For D1 = D2 the difference form is 0/0, so the
// reduced form 9.8·G·d⁴ / (2·Nb·(D1 + D2)·(D1² + D2²)) is taken: the cylindrical rate.
float taperedRate(double g, double d, double coils, double d1, double d2);

void compute(const Inputs& in, Results& r);

} // namespace largepitch
