#pragma once
// The egg-shaped coil spring: coils made of a big and a small arc. The user reads the four
// correction factors off the charts of the window and types them in.

namespace eggcoil {

struct Inputs {
    float d = 0, bigRadius = 0, smallRadius = 0, length = 0; // the big radius enters no formula
    float deformationFactor = 0, stressFactor = 0, lengthFactor = 0, curvatureFactor = 0;
    float activeCoils = 0, deflection = 0;
    double g = 0;
};

struct Results {
    float rate, load, index, stress, solidHeight, freeHeight, pitch, wireLength, helixAngle;
};

// Every named value in single precision, pi as 3.1416. Throws num::CalcFault at the faulting
// step (n, D or eta 0 first; d 0 after rate and load; s 0 after the wire length).
void compute(const Inputs& in, Results& out);

} // namespace eggcoil
