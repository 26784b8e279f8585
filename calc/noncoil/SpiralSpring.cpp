#include "calc/noncoil/SpiralSpring.h"

#include "common/CheckedMath.h"

namespace spiral {

void design(const DesignInputs& in, DesignResults& r) {
    const double allowable = in.lifeFactor * in.strength;
    const double h = num::sqrt(num::div(6 * in.k1 * in.torque, in.b * allowable));
    r.thickness = h;
    const double length = num::div(in.e * in.b * h * h * h * in.angle, 12 * in.k2 * in.torque);
    r.length = length;
    const double r1 = 11.5 * h;
    r.innerRadius = r1;
    const double outer = num::div(2 * length, in.angle) - r1;
    r.outerRadius = outer;
    // The pitch keeps its own 3.14.
    const double pitch = num::div(3.14 * (outer * outer - r1 * r1), length);
    r.pitch = pitch;
    r.freeTurns = num::div(outer - r1, pitch);
}

void check(const CheckInputs& in, CheckResults& r) {
    const double allowable = in.lifeFactor * in.strength;
    const double core = num::div(3.1416 * in.e * in.b * in.h * in.h * in.h, 12 * in.length * 180);
    r.stiffnessCore = core;
    const double outer = core / 1.25;
    r.stiffnessOuter = outer;
    r.torqueCore = in.angle * core;
    r.torqueOuter = in.angle * outer;
    const double limitCore = in.b * in.h * in.h * allowable / 6;
    r.limitTorqueCore = limitCore;
    const double limitOuter = limitCore / 2;
    r.limitTorqueOuter = limitOuter;
    r.limitAngleCore = num::div(limitCore, core);
    r.limitAngleOuter = num::div(limitOuter, outer);
}

} // namespace spiral
