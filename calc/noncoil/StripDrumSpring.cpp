#include "calc/noncoil/StripDrumSpring.h"

#include "common/CheckedMath.h"

namespace drum {

void constantForce(const Inputs& in, Results& r) {
    const double cube = in.h * in.h * in.h;
    // Both results divide by the coil diameter, so a zero one shows neither.
    const double load = num::div(in.e * in.b * cube, 6.6 * in.inner * in.inner);
    const double stress = num::div(in.e * in.h, in.inner);
    r.load = load;
    r.stress = stress;
}

void constantTorque(const Inputs& in, Results& r) {
    const double s = num::div(1, in.outputDrum) + num::div(1, in.inner);
    // The output drum's diameter multiplies the torque.
    r.load = in.e * in.b * in.h * in.h * in.h * in.outputDrum * s * s / 12;
    r.stress = in.e * in.h * s;
}

} // namespace drum
