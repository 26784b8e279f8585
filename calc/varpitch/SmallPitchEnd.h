#pragma once
// The conical spring with a small-pitch small end: a sparse body (Nt − Nm coils on D2), a
// dense cylindrical part (Nm − Nb coils on D2, pitch t) and a tapered end (Nb coils from D2
// down to D1, pitch t) in series. Once the dense coils touch only the sparse body works.

#include <optional>

namespace smallpitch {

struct Inputs {
    double g = 0; // kgf/mm²
    float d = 0, smallDiameter = 0, largeDiameter = 0, totalCoils = 0, denseCoils = 0, taperedCoils = 0;
    float densePitch = 0;
};

struct Results {
    std::optional<double> initialRate, laterRate, nodePosition; // K1, K2 (N/mm), node (mm)
};

void compute(const Inputs& in, Results& r);

} // namespace smallpitch
