#pragma once
// The arithmetic of the normal-mode torsion calculator, kept apart from its window.
//
// Inputs are single-precision values, as the calculator has always held them; each result is
// stored in single precision before it is shown. Results are filled in the order the window
// shows them and start empty: the second and third angle leave theirs empty when not given,
// and a fault leaves every later one empty while those before it keep their values.

#include <optional>

namespace torsion {

struct Inputs {
    float e = 0; // modulus of the material, kgf/mm²
    float d = 0;
    float meanDiameter = 0;
    float coils = 0;
    float angle1 = 0;
    float angle2 = 0;
    float angle3 = 0;
    float leg1 = 0;
    float leg2 = 0;
    float arm = 0; // load arm R1; the first leg serves when none is given
    bool hasAngle2 = false;
    bool hasAngle3 = false;
    bool hasArm = false;
};

struct Results {
    // The last twist angle reached, which the load test starts from.
    std::optional<double> lastAngle;
    std::optional<double> index;
    std::optional<double> curvature;
    std::optional<double> rate; // kgf·mm per degree
    std::optional<double> load1, load1N, torque1, torque1N;
    std::optional<double> bodyLength;
    std::optional<double> load2, load2N, torque2, torque2N;
    std::optional<double> innerDiameter; // after twisting to the second angle
    std::optional<double> load3, load3N, torque3, torque3N;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace torsion
