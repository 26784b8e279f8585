#include "calc/noncoil/DiscStack.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"
#include "common/StringTable.h"

namespace disc {

double bearingFaceFactor(const QString& typeText, double c) {
    if (typeText == StringTable::text(2410))
        return 1;
    if (typeText == StringTable::text(2411))
        return num::div(1, 1 - (4.0 / 150) * num::div(c, c - 1));
    return 0;
}

Combination stackCombination(const QString& combinationText) {
    if (combinationText == StringTable::text(2408))
        return Combination::Nested;
    if (combinationText == StringTable::text(2409))
        return Combination::Opposed;
    return Combination::Unknown;
}

void computeStack(const StackInputs& in, StackResults& out) {
    const double nr = num::notReached;
    out = {nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, {}};
    const double t = in.t, outer = in.outer;
    out.c = num::div(outer, in.inner);
    const double k = bearingFaceFactor(in.typeText, out.c);
    const Combination combination = stackCombination(in.combinationText);
    double f = 0;
    if (combination == Combination::Nested)
        f = in.freeHeight - in.workingHeight;
    else if (combination == Combination::Opposed)
        f = num::div(in.freeHeight - in.workingHeight, in.discs);
    const double h0 = (in.freeHeight - t) * k;
    out.h0 = h0;
    const Parameters p = parametersForRatio(out.c, in.e);
    out.alpha = p.alpha;
    out.beta = p.beta;
    out.gamma = p.gamma;
    const double bracket = (num::div(h0, t) - num::div(f, t)) * (num::div(h0, t) - num::div(f, 2 * t)) + 1;
    const double discLoad = num::div(1e6 * t * t * t * f * k * bracket, outer * outer * p.alpha);
    out.discLoad = discLoad;
    out.flatLoad = num::div(1e6 * t * t * t * k * h0, outer * outer * p.alpha);
    if (combination == Combination::Nested)
        out.stackLoad = num::finite(in.discs * discLoad);
    else if (combination == Combination::Opposed)
        out.stackLoad = discLoad;
    // The deflection in front of the bracket carries K; u uses f itself and the stack's h0.
    const double u = num::div(h0, t) - num::div(f, 2 * t);
    const double m = num::div(1e6 * f * k * t, p.alpha * outer * outer);
    out.stress1 = num::finite(m * (p.beta * u + p.gamma));
    out.stress2 = num::finite(m * (p.gamma - p.beta * u));
    out.stress3 = num::div(m * ((2 * p.gamma - p.beta) * u + p.gamma), out.c);
    out.verdict = verdict(out.stress1, out.stress3);
}

} // namespace disc
