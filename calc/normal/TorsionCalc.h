#pragma once
// The arithmetic of the normal-mode torsion calculator, kept apart from its window.
//
// Inputs are single-precision values, as the calculator has always held them; each result is
// stored in single precision before it is shown, the N-based ones excepted. Results are filled
// in the order the window shows them: the second and third angle leave theirs not reached when
// not given, and a fault leaves every later one not reached while those before it keep their
// values.

#include "common/NotReached.h"
#include "common/SpringFormulas.h"

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

struct Results {
    float lastAngle = num::notReachedSingle; // the last twist angle reached, for the load test
    float index = num::notReachedSingle;
    float curvature = num::notReachedSingle;
    float rate = num::notReachedSingle; // kgf·mm per degree
    float load1 = num::notReachedSingle;
    double load1N = num::notReached;
    float torque1 = num::notReachedSingle;
    double torque1N = num::notReached;
    float bodyLength = num::notReachedSingle;
    float load2 = num::notReachedSingle;
    double load2N = num::notReached;
    float torque2 = num::notReachedSingle;
    double torque2N = num::notReached;
    float innerDiameter = num::notReachedSingle; // after twisting to the second angle
    float load3 = num::notReachedSingle;
    double load3N = num::notReached;
    float torque3 = num::notReachedSingle;
    double torque3N = num::notReached;
};

// Throws num::CalcFault on an arithmetic fault; the results reached before it stay filled.
void compute(const Inputs& in, Results& r);

// What the drawing sheet derives from the fields as they stand when it is filled, each read in
// double: the outer and inner diameters, the body length (n + 1)·d and the rate as its box
// shows it (kgf·mm per degree) in N·mm per degree.
struct SheetValues {
    springs::CoilDiameters diameters;
    double bodyLength;
    double rateN;
};
SheetValues sheetValues(double d, double meanDiameter, double coils, double shownRate);

} // namespace torsion
