#pragma once
// Coil-count design of a two-stage variable-pitch spring: from the closing point of the
// dense coils (f1, P1), a working point after it (f2, P2) and the limit deflection fj it
// works out the active coils, their division into dense and sparse coils, and the pitch and
// length of each part. G is in N/mm² here, so no factor 9.8 enters.

#include <optional>

namespace coilcount {

struct Inputs {
    double g = 0; // N/mm²
    float d = 0, meanDiameter = 0, closingDeflection = 0, closingLoad = 0, workingDeflection = 0,
          workingLoad = 0, limitDeflection = 0;
};

struct Results {
    std::optional<double> activeCoils, totalCoils;
    std::optional<double> sparseCoils, denseCoils;
    std::optional<double> sparsePitch, densePitch, denseLength, sparseLength;
};

// The total is the active count as "0.0" shows it, read back, plus 2.
void compute(const Inputs& in, Results& r);

} // namespace coilcount
