#include "calc/standard/ShapedSpringFormulas.h"

#include "common/CheckedMath.h"

namespace standard {

namespace {

using num::div;
// Storing into a single-precision variable; a value beyond its range faults as the store would.
float single(double x) {
    return num::toSingle(x);
}

double fourth(double r) {
    return r * r * r * r;
}

// G d^4 formed as d·G·d·d·d, the order the conical designer always used.
double gd4(const Quantities& q) {
    const double d = q.d;
    return d * q.modulus * d * d * d;
}

// The barrel and hourglass forms share everything but the radius factor B.
float barrelFamilySolve(SolveFor target, const Quantities& q, double b) {
    const double g = q.modulus;
    const double d4 = num::pow(q.d, 4);
    switch (target) {
    case SolveFor::WireDiameter: {
        const float x = single(div(div(div(b * q.load * 64 * q.activeCoils, 35), g), q.deflection));
        return single(num::pow(x, 1.0 / 4.0));
    }
    case SolveFor::ActiveCoils:
        return single(div(div(div(35 * g * d4 * q.deflection, q.load), 64), b));
    case SolveFor::Rate:
        return single(div(div(div(35 * g * d4, q.activeCoils), 64), b));
    case SolveFor::Load:
        return single(div(div(div(35 * g * d4 * q.deflection, q.activeCoils), 64), b));
    case SolveFor::MeanDiameter:
        break;
    }
    throw num::CalcFault("no mean-diameter form for a barrel spring");
}

struct Radii {
    float small; // R1 = MD1 / 2
    float large; // R2 = MD2 / 2
    float delta; // R2 − R1
};

Radii radii(const Quantities& q) {
    const float r1 = single(double(q.smallMeanDiameter) / 2);
    const float r2 = single(double(q.largeMeanDiameter) / 2);
    return {r1, r2, single(double(r2) - r1)};
}

} // namespace

float conicalSolve(SolveFor target, const Quantities& q) {
    const Radii r = radii(q);
    const double span = double(r.large) - r.small;
    const double fourthSpan = fourth(r.large) - fourth(r.small);
    switch (target) {
    case SolveFor::WireDiameter: {
        const double x =
            div(div(div(fourthSpan * (16.0 * q.load * q.activeCoils), q.deflection), span), q.modulus);
        return single(num::pow(single(x), 1.0 / 4.0));
    }
    case SolveFor::ActiveCoils:
        return single(div(div(div(gd4(q) * span * q.deflection, 16), q.load), fourthSpan));
    case SolveFor::Rate:
        return single(div(div(div(gd4(q) * span, 16), q.activeCoils), fourthSpan));
    case SolveFor::Load:
        return single(div(div(div(gd4(q) * span * q.deflection, 16), q.activeCoils), fourthSpan));
    case SolveFor::MeanDiameter:
        break;
    }
    throw num::CalcFault("no mean-diameter form for a conical spring");
}

float barrelSolve(SolveFor target, const Quantities& q) {
    // Middle coil R2, end coils R1: 21 Rm Δ² + 35 Rm² Re − 5 Δ³ with Δ = R2 − R1.
    const Radii r = radii(q);
    const double delta = r.delta;
    const double b =
        21.0 * r.large * delta * delta + 35.0 * r.large * r.large * r.small - 5.0 * delta * delta * delta;
    return barrelFamilySolve(target, q, b);
}

float hourglassSolve(SolveFor target, const Quantities& q) {
    // Middle coil R1, end coils R2: the same factor with Rm − Re = −Δ.
    const Radii r = radii(q);
    const double delta = r.delta;
    const double b =
        21.0 * r.small * delta * delta + 35.0 * r.large * r.small * r.small + 5.0 * delta * delta * delta;
    return barrelFamilySolve(target, q, b);
}

} // namespace standard
