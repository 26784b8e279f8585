#include "calc/noncoil/ThinStrip.h"

#include "calc/noncoil/MaterialRows.h"
#include "common/CheckedMath.h"

#include <array>

namespace thinstrip {
namespace {

struct Row {
    const char* name;
    Material m;
};

constexpr std::array<Row, 8> kRows{{
    {"C5210R-H", {10000, 40000}},
    {"C5210R-EH", {10000, 47000}},
    {"C5210RS-SH", {10000, 52000}},
    {"SUS304", {17000, 70000}},
    {"SUS301", {12000, 55000}},
    {"PbP3-1/2H", {10000, 43000}},
    {"ABS", {200, 5000}},
    {"PC", {239, 9000}},
}};

} // namespace

QStringList materialNames() {
    return noncoil::namesOf(kRows);
}

Material material(const QString& text) {
    const Row* r = noncoil::rowNamed(kRows, text);
    return r ? r->m : Material{};
}

void curled(const CurledInputs& in, CurledResults& r) {
    const double pi = 3.141593;
    const double r1 = num::div(in.loaded, in.radius);
    const double r2 = num::div(in.fixed, in.radius);
    r.ratio1 = r1;
    r.ratio2 = r2;
    const double x = (r1 * r1 * r1 + r2 * r2 * r2) / 3 + r1 * r1 * (r2 + pi) + r1 * (4 - r2 * r2) + pi / 2;
    const double cube = in.radius * in.radius * in.radius;
    const double load = num::div(1000 * in.m.e * in.stroke * in.b * in.t * in.t * in.t, 12 * x * cube);
    r.load = load;
    const double stress = num::div(6 * load * (in.radius + in.loaded), in.b * in.t * in.t);
    r.stress = stress;
    r.safety = num::toSingle(num::div(stress * 100, in.m.allowable));
}

void cantilever(const CantileverInputs& in, CantileverResults& r) {
    const double inertia = in.b * in.h * in.h * in.h / 12;
    r.inertia = inertia;
    const double modulus = in.b * in.h * in.h / 6;
    r.modulus = modulus;
    const double rate = num::div(3 * in.m.e * inertia * 1000, in.length * in.length * in.length);
    r.rate = rate;
    const double load = in.deflection * rate;
    r.load = load;
    r.loadNewton = in.deflection * rate * 9.8 / 1000;
    const double stress = num::div(num::div(load * in.length, modulus), 1000);
    r.stress = stress;
    r.safety = num::div(stress * 100 * 1000, in.m.allowable);
}

} // namespace thinstrip
