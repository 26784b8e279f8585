#include "calc/normal/TorsionCalc.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

namespace torsion {

namespace {

// The N-based values multiply what the kgf-based boxes show, three decimals and all.
double newtonsOfShown(float kgf) {
    return num::lenient(num::formatSingle(kgf, u"0.000")) * 9.8;
}

} // namespace

void compute(const Inputs& in, Results& r) {
    const float d = in.d, meanDiameter = in.meanDiameter, coils = in.coils;
    const float arm = in.hasArm ? in.arm : in.leg1;
    r.lastAngle = in.angle1;

    const float index = num::single(num::div(meanDiameter, d));
    r.index = index;
    r.curvature = num::single(springs::curvatureFactor(index));
    const float rate = springs::torsionSpringRateSingle(in.e, d, meanDiameter, coils, in.leg1, in.leg2);
    r.rate = rate;

    const float load1 = num::single(num::div(double(rate) * in.angle1, arm));
    r.load1 = load1;
    r.load1N = newtonsOfShown(load1);
    const float torque1 = num::single(double(in.angle1) * rate);
    r.torque1 = torque1;
    r.torque1N = newtonsOfShown(torque1);

    // This window has no free-angle field: the free angle is 0.
    const double freeAngle = 0;
    r.bodyLength = num::single((freeAngle / 360 + coils + 1 + in.angle2 / 360.0) * d);

    if (in.hasAngle2) {
        r.lastAngle = in.angle2;
        const float load2 = num::single(num::div(double(in.angle2) * rate, arm));
        r.load2 = load2;
        r.load2N = newtonsOfShown(load2);
        const float torque2 = num::single(double(in.angle2) * rate);
        r.torque2 = torque2;
        r.torque2N = newtonsOfShown(torque2);
        const double shrink = num::div(double(in.angle2) * meanDiameter / 360, freeAngle / 360 + coils);
        r.innerDiameter = num::single((double(meanDiameter) - d) - shrink - 0.1);
    }

    if (in.hasAngle3) {
        r.load3 = num::single(num::div(double(rate) * in.angle3, arm));
        r.load3N = num::div(double(rate) * 9.8 * in.angle3, arm);
        r.lastAngle = in.angle3;
        const float torque3 = num::single(double(rate) * in.angle3);
        r.torque3 = torque3;
        r.torque3N = newtonsOfShown(torque3);
    }
}

} // namespace torsion
