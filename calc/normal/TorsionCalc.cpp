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
    r.lastAngle = in.angle1;
    const float arm = in.arm ? num::single(*in.arm) : in.leg1;

    r.index = num::single(num::div(meanDiameter, d));
    r.curvature = num::single(springs::curvatureFactor(r.index));
    const float rate = springs::torsionSpringRateSingle(in.e, d, meanDiameter, coils, in.leg1, in.leg2);
    r.rate = rate;

    r.load1 = num::single(num::div(double(rate) * in.angle1, arm));
    r.load1N = newtonsOfShown(r.load1);
    r.torque1 = num::single(double(in.angle1) * rate);
    r.torque1N = newtonsOfShown(r.torque1);

    // This window has no free-angle field: the free angle is 0.
    const double freeAngle = 0;
    r.bodyLength = num::single((freeAngle / 360 + coils + 1 + in.angle2 / 360.0) * d);

    if (in.hasAngle2) {
        r.lastAngle = in.angle2;
        r.load2 = num::single(num::div(double(in.angle2) * rate, arm));
        r.load2N = newtonsOfShown(r.load2);
        r.torque2 = num::single(double(in.angle2) * rate);
        r.torque2N = newtonsOfShown(r.torque2);
        const double shrink = num::div(double(in.angle2) * meanDiameter / 360, freeAngle / 360 + coils);
        r.innerDiameter = num::single((double(meanDiameter) - d) - shrink - 0.1);
    }

    if (in.angle3) {
        const float angle3 = num::single(*in.angle3);
        r.load3 = num::single(num::div(double(rate) * angle3, arm));
        r.load3N = num::div(double(rate) * 9.8 * angle3, arm);
        r.lastAngle = angle3;
        r.torque3 = num::single(double(rate) * angle3);
        r.torque3N = newtonsOfShown(r.torque3);
    }
}

SheetValues sheetValues(double d, double meanDiameter, double coils, double shownRate) {
    return {springs::coilDiameters(d, meanDiameter), num::finite((coils + 1) * d),
            num::finite(shownRate * 9.8)};
}

} // namespace torsion
