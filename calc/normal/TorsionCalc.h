#pragma once
// The arithmetic of the normal-mode torsion calculator, kept apart from its window.
//
// Inputs are single-precision values, as the calculator has always held them; each result is
// stored in single precision before it is shown, the N-based ones excepted. Results are filled
// in the order the window shows them: the second and third angle leave theirs not reached when
// not given, and a fault leaves every later one not reached while those before it keep their
// values.

#include "calc/normal/NotReached.h"

#include <optional>

namespace torsion {

struct Inputs {
    float e = 0; // modulus of the material, kgf/mm²
    float d = 0;
    float meanDiameter = 0;
    float coils = 0;
    float angle1 = 0;
    float angle2 = 0; // 0 when not given: the body length counts it all the same
    bool hasAngle2 = false;
    float leg1 = 0;
    float leg2 = 0;
    // The third angle and the load arm R1 (the first leg serves when none is given), as read;
    // each is stored in single precision when its step is reached.
    std::optional<double> angle3, arm;
};

using normalcalc::kNotReached;
using normalcalc::kNotReachedSingle;

struct Results {
    float lastAngle = kNotReachedSingle; // the last twist angle reached, for the load test
    float index = kNotReachedSingle;
    float curvature = kNotReachedSingle;
    float rate = kNotReachedSingle; // kgf·mm per degree
    float load1 = kNotReachedSingle;
    double load1N = kNotReached;
    float torque1 = kNotReachedSingle;
    double torque1N = kNotReached;
    float bodyLength = kNotReachedSingle;
    float load2 = kNotReachedSingle;
    double load2N = kNotReached;
    float torque2 = kNotReachedSingle;
    double torque2N = kNotReached;
    float innerDiameter = kNotReachedSingle; // after twisting to the second angle
    float load3 = kNotReachedSingle;
    double load3N = kNotReached;
    float torque3 = kNotReachedSingle;
    double torque3N = kNotReached;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

} // namespace torsion
