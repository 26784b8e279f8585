#pragma once
// The helical torsion spring wound from wire of elliptical section.

namespace ellipticaltorsion {

struct Inputs {
    double e = 0, axisA = 0, axisB = 0, meanDiameter = 0, coils = 0, angle = 0, arm = 0;
};

struct Results {
    double rateN;   // T' x 9.8, N.mm per degree
    double torqueN; // M1 x 9.8, N.mm
    double forceN;  // F x 9.8, N
};

// T' = E a a a b / 3670 / D / n (3670 as this calculator has always used), M1 = angle T',
// F = M1 / l. Throws num::CalcFault for D = 0 or n = 0 (nothing reached) and l = 0 (rate and
// torque reached).
void compute(const Inputs& in, Results& out);

} // namespace ellipticaltorsion
