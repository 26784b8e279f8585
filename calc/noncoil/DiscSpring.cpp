#include "calc/noncoil/DiscSpring.h"

#include "calc/noncoil/MaterialRows.h"
#include "common/CheckedMath.h"
#include "common/NotReached.h"

#include <cmath>

namespace disc {

namespace {
constexpr noncoil::NamedModulus kMaterials[] = {
    {"60Si2MnA", 206000}, {"50CrVA", 206000}, {"17-7", 203400}, {"x718", 200000}, {"x750", 214000},
};
} // namespace

double materialModulus(const QString& listText) {
    return noncoil::modulusNamed(kMaterials, listText);
}

QStringList materialNames() {
    return noncoil::namesOf(kMaterials);
}

Parameters parametersForRatio(double c, double e) {
    const double lnC = num::log(c);
    const double shape = num::div(c + 1, c - 1) - num::div(2, lnC);
    const double alpha = num::div(1000200 * 0.91 * (c - 1) * (c - 1), 12.5664 * e * c * c * shape);
    const double beta = num::div(6 * (num::div(c - 1, lnC) - 1) / 3.1416, lnC);
    const double gamma = num::div(6 * (c - 1), 6.2832 * lnC);
    return {c, alpha, beta, gamma};
}

Parameters parameters(double outer, double inner, double e) {
    return parametersForRatio(num::div(outer, inner), e);
}

double load(double t, double outer, double alpha, double h0, double s) {
    const double bracket = (num::div(h0, t) - num::div(s, t)) * (num::div(h0, t) - num::div(s, 2 * t)) + 1;
    return num::div(1e6 * t * t * t * s * bracket, outer * outer * alpha);
}

Stresses stresses(double t, double outer, const Parameters& p, double h0, double s) {
    const double u = num::div(h0, t) - num::div(s, 2 * t);
    const double first = num::div(1e6 * s * t * (p.beta * u + p.gamma), p.alpha * outer * outer);
    const double third =
        num::div(1e6 * s * t * ((2 * p.gamma - p.beta) * u + p.gamma), p.alpha * outer * outer * p.c);
    return {first, third};
}

QString verdict(double first, double third) {
    const double larger = first > third ? first : third;
    return larger < 1960 ? QStringLiteral("ok") : QStringLiteral("ng");
}

bool workingHeightAllowed(const Inputs& in) {
    return !(in.freeHeight - in.t < in.freeHeight - in.workingHeight);
}

void compute(const Inputs& in, Results& out) {
    const double nr = num::notReached;
    out = {nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, {}};
    const double f = in.freeHeight - in.workingHeight;
    const double h0 = in.freeHeight - in.t;
    out.c = num::div(in.outer, in.inner);
    out.h0 = h0;
    const Parameters p = parametersForRatio(out.c, in.e);
    out.alpha = p.alpha;
    out.beta = p.beta;
    out.gamma = p.gamma;
    out.workingLoad = load(in.t, in.outer, p.alpha, h0, f);
    out.flatLoad = load(in.t, in.outer, p.alpha, h0, h0);
    out.load25 = load(in.t, in.outer, p.alpha, h0, 0.25 * h0);
    out.load50 = load(in.t, in.outer, p.alpha, h0, 0.5 * h0);
    out.load75 = load(in.t, in.outer, p.alpha, h0, 0.75 * h0);
    const Stresses working = stresses(in.t, in.outer, p, h0, f);
    out.stress75 = stresses(in.t, in.outer, p, h0, 0.75 * h0).third;
    out.verdict = verdict(working.first, working.third);
}

} // namespace disc
