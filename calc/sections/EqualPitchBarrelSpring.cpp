#include "calc/sections/EqualPitchBarrelSpring.h"

#include "common/BarrelSpringRate.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>

namespace equalpitchbarrel {

void compute(const Inputs& in, Results& r) {
    const double d = in.d, n = in.activeCoils, g = in.g;
    const double r2 = (in.middleDiameter - d) / 2; // mean radius of the middle coil
    const double r1 = (in.endDiameter - d) / 2;    // mean radius of the end coils
    const double delta = r2 - r1;
    const double travel = in.freeHeight - in.workingHeight;

    // The barrel rate with Rm = R2 and Re = R1, divided in the order this window has always used.
    const double k = num::div(num::div(g * 35 * std::pow(d, 4) / 64, n), springs::barrelRadiusFactor(r2, r1));
    r.rateN = num::finite(9.8 * k);
    const double f1 = num::finite(travel * k);
    r.workingLoadN = num::finite(9.8 * f1);
    r.workingLoadKgf = f1;

    const double pitch = num::div(in.freeHeight - 1.5 * d, n);
    // Neighbouring coils whose mean radii differ by more than d pass each other without touching.
    double contact = 0;
    if (!(n * d / 2 < delta)) {
        const double q = num::div(delta, 0.5 * n * d);
        contact = d * num::sqrt(1 - std::pow(q, 2));
    }
    const double common = num::finite(g * std::pow(d, 4) * (pitch - contact) / 64);
    const double fz = num::div(common, std::pow(r2, 3));
    r.contactLoadN = num::finite(9.8 * fz);
    // The deflection shows as its one-decimal value.
    r.contactDeflection = num::lenient(num::format(num::div(fz, k), u"0.0"));
    const double fb = num::div(common, std::pow(r1, 3));
    r.solidLoadN = num::finite(9.8 * fb);
    r.beyondContact = f1 > fz;
}

} // namespace equalpitchbarrel
