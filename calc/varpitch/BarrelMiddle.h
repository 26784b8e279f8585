#pragma once
// The variable-pitch spring with two small ends and a cylindrical middle: a dense tapered
// end (Nms coils, D1 up to D3), a dense cylindrical part (Nm − Nms coils on D3), a sparse
// cylindrical part (Nt − Nm − Nxs coils on D3) and a sparse tapered end (Nxs coils, D3 down
// to D2) in series. Once the dense section has closed only the sparse section works.

#include <optional>

namespace barrelmiddle {

struct Inputs {
    double g = 0; // kgf/mm²
    float d = 0, denseEndDiameter = 0, sparseEndDiameter = 0, middleDiameter = 0;
    float sparseTaperedCoils = 0, denseCoils = 0, denseTaperedCoils = 0, totalCoils = 0, densePitch = 0;
};

struct Results {
    std::optional<double> laterRate, initialRate, nodePosition; // K2, K1 (N/mm), node (mm)
};

void compute(const Inputs& in, Results& r);

} // namespace barrelmiddle
