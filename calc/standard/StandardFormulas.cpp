#include "calc/standard/StandardFormulas.h"

#include "common/CheckedMath.h"

namespace standard {

namespace {

using num::div;
// Storing into a single-precision variable; a value beyond its range faults as the store would.
float single(double x) {
    return num::toSingle(x);
}

// Whole powers and roots go through the general power operation on doubles, as the
// designers always took them; a root of a negative number faults there.
double power(double base, double exponent) {
    return num::pow(base, exponent);
}

} // namespace

float compressionSolve(SolveFor target, const Quantities& q) {
    const double g = q.modulus;
    const double d4 = power(q.d, 4);
    switch (target) {
    case SolveFor::Rate:
        return single(div(div(div(d4 * g, 8), q.activeCoils), power(q.meanDiameter, 3)));
    case SolveFor::WireDiameter: {
        const float f = single(double(q.freeHeight) - q.loadedHeight);
        const double d3 = power(q.meanDiameter, 3);
        const float x = single(div(div(8.0 * q.load * d3 * q.activeCoils, g), f));
        return single(power(x, 1.0 / 4.0));
    }
    case SolveFor::MeanDiameter: {
        const float f = single(double(q.freeHeight) - q.loadedHeight);
        const double cube = div(div(div(d4 * g * f, q.load), 8), q.activeCoils);
        return single(power(cube, 1.0 / 3.0));
    }
    case SolveFor::ActiveCoils: {
        const float f = single(double(q.freeHeight) - q.loadedHeight);
        return single(div(div(div(d4 * g * f, q.load), 8), power(q.meanDiameter, 3)));
    }
    case SolveFor::Load: {
        const float f = single(double(q.freeHeight) - q.loadedHeight);
        return single(div(div(div(d4 * g * f, 8), q.activeCoils), power(q.meanDiameter, 3)));
    }
    }
    return 0;
}

float torsionSolve(SolveFor target, const Quantities& q) {
    const double e = q.modulus;
    const double legs = double(q.supportLeg) + q.forceLeg;
    // The leg term of the rate: the legs bend as well as the coils.
    auto coilsAndLegs = [&] { return 3667.0 * q.meanDiameter * q.activeCoils + 389.0 * legs; };
    switch (target) {
    case SolveFor::WireDiameter: {
        const double moment = double(q.load) * q.loadPoint;
        const float x = single(div(div(coilsAndLegs() * moment, e), q.angle));
        return single(power(x, 1.0 / 4.0));
    }
    case SolveFor::MeanDiameter:
    case SolveFor::ActiveCoils: {
        const double twist = power(q.d, 4) * e * q.angle;
        const double legShare = double(q.load) * q.loadPoint * 389.0 * legs;
        const double other = target == SolveFor::MeanDiameter ? q.activeCoils : q.meanDiameter;
        return single(div(div(div(div(twist - legShare, q.load), q.loadPoint), 3667), other));
    }
    case SolveFor::Rate:
        return single(div(power(q.d, 4) * e, coilsAndLegs()));
    case SolveFor::Load:
        return single(div(div(power(q.d, 4) * e * q.angle, coilsAndLegs()), q.loadPoint));
    }
    return 0;
}

namespace {

// d^4 G 3.1416 / 800 / D^2: the initial tension that the coiling leaves in the spring.
double initialTensionTerm(double d4, double g, double meanDiameter) {
    return div(div(d4 * g * 3.1416, 800), power(meanDiameter, 2));
}

} // namespace

float extensionSolve(SolveFor target, const Quantities& q) {
    const double g = q.modulus;
    const double d3Mean = power(q.meanDiameter, 3);
    switch (target) {
    case SolveFor::Rate:
        return single(div(div(div(power(q.d, 4) * g, 8), q.activeCoils), d3Mean));
    case SolveFor::WireDiameter: {
        const float f = single(double(q.loadedHeight) - q.freeHeight);
        const float fg = single(double(f) * g);
        const double perD4 =
            div(div(div(fg, 8), d3Mean), q.activeCoils) + div(div(g * 3.1416, 800), power(q.meanDiameter, 2));
        const float x = single(div(q.load, perD4));
        return single(power(x, 1.0 / 4.0));
    }
    case SolveFor::MeanDiameter:
        return extensionMeanDiameter(q).meanDiameter;
    case SolveFor::ActiveCoils: {
        const float f = single(double(q.loadedHeight) - q.freeHeight);
        const float gf = single(g * f);
        const double d4 = power(q.d, 4);
        const double p0 = div(div(d4 * 3.1416 * g, 800), power(q.meanDiameter, 2));
        return single(div(div(div(gf * d4, double(q.load) - p0), 8), d3Mean));
    }
    case SolveFor::Load: {
        const float f = single(double(q.loadedHeight) - q.freeHeight);
        const float fg = single(double(f) * g);
        const double d4 = power(q.d, 4);
        return single(div(div(div(fg * d4, 8), q.activeCoils), d3Mean) +
                      initialTensionTerm(d4, g, q.meanDiameter));
    }
    }
    return 0;
}

CardanoSteps extensionMeanDiameter(const Quantities& q) {
    CardanoSteps s;
    const double d4 = power(q.d, 4);
    const float f = single(double(q.loadedHeight) - q.freeHeight);
    s.p = single(div(div(d4 * (double(q.modulus) * -3.1416), 800), q.load));
    const float minusG = single(double(q.modulus) * -1);
    const float fMinusG = single(double(f) * minusG);
    s.q = single(div(div(div(fMinusG * d4, 8), q.activeCoils), q.load));
    s.h = single(double(s.q) * -1 / 2);
    s.delta = single(power(double(s.p) / 3, 3) + power(double(s.q) / 2, 2));
    // Only the one real root is taken: with three real roots (Δ < 0) there is no spring.
    s.rootDelta = num::sqrt(s.delta);
    s.a = single(s.h + s.rootDelta);
    s.b = single(s.h - s.rootDelta);
    const double cubeRootA = power(s.a, 1.0 / 3.0);
    s.meanDiameter = single(cubeRootA + power(s.b, 1.0 / 3.0));
    return s;
}

} // namespace standard
