#include "calc/noncoil/FineWireForce.h"

#include "common/CheckedMath.h"
#include "common/SpringChecks.h"

#include <array>

namespace finewireforce {
namespace {

struct Grade {
    const char* text;
    double g;
};

constexpr std::array<Grade, 4> kGrades{{
    {"SPRON 100", 8300},
    {"NAS 604 PH", 8500},
    {"SUS304-WPB < 0.3mm", 7500},
    {"SUS304-WPB > 0.3mm", 7200},
}};

} // namespace

QStringList gradeNames() {
    QStringList names;
    for (const Grade& g : kGrades)
        names.append(QString::fromLatin1(g.text));
    return names;
}

double gradeModulus(const QString& text) {
    for (const Grade& g : kGrades)
        if (text == QLatin1String(g.text))
            return g.g;
    return 0;
}

void compute(const Inputs& in, Results& r) {
    using num::div;
    const double d = in.d;
    const double dm = in.mean;
    r.assembledDeflection = in.free - in.assembled;
    // x 1000: kgf to gf.
    const double p1 =
        div(div(div(div(div(in.g * d * d * d * d * (in.free - in.assembled), 8), in.coils), dm), dm), dm) *
        1000;
    r.assembledForce = p1;
    r.compressedDeflection = in.free - in.compressed;
    const double half = dm / 2;
    const double p2 =
        div(div(div(div(div(d * d * d * d * in.g * (in.free - in.compressed), 64), in.coils), half), half),
            half) *
        1000;
    r.compressedForce = p2;
    r.solidLength = (in.support + in.support + in.coils + 1) * d;
    const double c = div(dm, d);
    r.index = c;
    const double k = springchecks::wahlFactor(c);
    r.wahl = k;
    const double stress = div(div(div(dm * 8 * p2 * k / 3.14, d), d), d) / 1000;
    r.maxStress = stress;
    r.stressRatio = div(stress, in.strength);
    r.forceRatio = div(p1, p2);
}

} // namespace finewireforce
