#include "calc/noncoil/FineWireForms.h"

#include "common/CheckedMath.h"

#include <cmath>

namespace finewire {

namespace {

double fourth(double x) {
    return x * x * x * x;
}

double cube(double x) {
    return x * x * x;
}

} // namespace

void circlip(const CirclipInputs& in, Results& r) {
    // The angle is typed in degrees, as its unit label says; the formulas want half of it in
    // radians. Taken as radians, ordinary angles such as 30 would give a negative rate.
    const float half = num::toSingle(static_cast<double>(in.openingAngle) / 2);
    const double alpha = half * 3.1416 / 180;
    const double bracket =
        (2 * std::cos(alpha) * std::cos(alpha) + 1 + 3 * std::sin(2 * alpha) / 2) * (3.1416 - alpha);
    const float rate =
        num::toSingle(num::div(num::div(fourth(in.d) * in.e * 3.1416 / 64, cube(in.r)), bracket));
    r.rate = rate;
    const float load = num::toSingle((static_cast<double>(in.g) - in.k) * rate);
    r.load = load;
    r.stress = num::toSingle(num::div(32.0 * load * in.r * (std::cos(alpha) + 1) / 3.1416, cube(in.d)));
}

void serpentine(const SerpentineInputs& in, Results& r) {
    const float l = num::toSingle(static_cast<double>(in.straight) / 2);
    const double r0 = in.r;
    const double ll = l;
    const double bend = ll * ll * ll / 3 + r0 * (3.1416 * ll * ll / 2 + 3.1416 * r0 * r0 / 4 + 2 * ll * r0);
    const float rate = num::toSingle(num::div(num::div(fourth(in.d) * in.e * 3.1416 / 128, in.crests), bend));
    r.rate = rate;
    const float load = num::toSingle(static_cast<double>(rate) * in.stretch);
    r.load = load;
    r.stress = num::toSingle(num::div(32.0 * load * r0 * ll / 3.1416, cube(in.d)));
}

void balanceBar(const BalanceBarInputs& in, BalanceBarResults& r) {
    const double l = num::toSingle(static_cast<double>(in.middle) / 2);
    const double p = in.load;
    const double arm = in.arm;
    const double d3 = cube(in.d);
    r.deflection = num::toSingle(num::div(
        32 * p * arm * arm * (num::div(l, in.g) + num::div(2 * arm / 3, in.e)) / 3.1416, fourth(in.d)));
    r.torsion = num::toSingle(num::div(16 * p * arm / 3.1416, d3));
    r.bending = num::toSingle(num::div(32 * p * arm / 3.1416, d3));
    // 22.6 stands for 16 x sqrt(2) as the bar's own constant.
    r.maxShear = num::toSingle(num::div(22.6 * p * arm / 3.1416, d3));
}

} // namespace finewire
