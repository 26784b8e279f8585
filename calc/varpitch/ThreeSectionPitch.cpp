#include "calc/varpitch/ThreeSectionPitch.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace threesection {

using num::single;

namespace {

// 9.8·G·d⁴ / (8·n·D³), formed as d⁴·G/8/n, then divided by D³, then multiplied by 9.8.
float sectionRate(double g, double d, double coils, double meanDiameter) {
    const double perCoil = num::div(d * d * d * d * g / 8.0, coils);
    return single(num::div(perCoil, meanDiameter * meanDiameter * meanDiameter) * 9.8);
}

} // namespace

void compute(const Inputs& in, Results& r) {
    const float k1 = sectionRate(in.g, in.d, in.coils1, in.meanDiameter);
    r.rate1 = k1;
    const float k2 = sectionRate(in.g, in.d, in.coils2, in.meanDiameter);
    r.rate2 = k2;
    const float k3 = sectionRate(in.g, in.d, in.coils3, in.meanDiameter);
    r.rate3 = k3;

    const double a = k1, b = k2, c = k3;
    r.combined1 = single(num::div(a * b * c, a * b + a * c + b * c));
    r.combined2 = single(num::div(b * c, b + c));

    const float f1 = single((double(in.pitch1) - in.d) * in.coils1);
    const float f2 = single((double(in.pitch2) - in.d) * in.coils2);
    r.travel1 = f1;
    r.travel2 = f2;
    r.travel3 = single((double(in.pitch3) - in.d) * in.coils3);

    r.freeHeight = single(double(in.pitch1) * in.coils1 + double(in.pitch2) * in.coils2 +
                          double(in.pitch3) * in.coils3 + 2.0 * in.d);
    r.node1 = single((double(in.coils1) + in.coils2 + in.coils3) * (double(in.pitch1) - in.d));
    r.node2 = single(double(f1) + f2 + double(in.coils3) * (double(in.pitch2) - in.d));
}

} // namespace threesection
