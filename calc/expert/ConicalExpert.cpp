#include "calc/expert/ConicalExpert.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringFormulas.h"

namespace conicalexpert {

float pitch(float freeHeight, float d, float activeCoils) {
    return num::toSingle(num::div(double(freeHeight) - 3.0 * d, activeCoils));
}

float solidShearStress(float wahlFactor, float fullContactLoad, float smallRadius, float d) {
    double stress = num::finite(16.0 * wahlFactor * fullContactLoad * smallRadius / 3.14);
    stress = num::div(num::div(num::div(stress, d), d), d);
    return num::toSingle(stress);
}

void compute(const Inputs& in, Results& r) {
    using num::single;
    const float r1 = springs::conicalCoilRadius(in.smallOuter, in.d);
    const float r2 = springs::conicalCoilRadius(in.largeOuter, in.d);
    r.coilsTouch = single(double(in.d) * in.coils) > single(double(r2) - r1);

    r.springIndex = single(num::div(2.0 * r2, in.d));
    r.springIndexOk = !(r.springIndex < 4.0f) && !(r.springIndex > 10.0f);
    r.wahl = springchecks::wahlFactorSingle(r.springIndex);

    r.rate = springs::conicalRateBeforeContact(in.g, in.d, r1, r2, in.coils);
    r.pitch = pitch(in.freeHeight, in.d, in.coils);
    const float spacing = springs::conicalContactSpacing(in.d, r1, r2, in.coils);

    r.contactLoad = springs::conicalClosingLoad(in.g, in.d, r.pitch, spacing, r2);
    // The contact height is kept as shown to one decimal.
    const float contactHeight = single(double(in.freeHeight) - num::div(r.contactLoad, r.rate));
    r.contactHeight = num::lenient(num::formatSingle(contactHeight, u"0.0"));

    r.solidLoad = springs::conicalClosingLoad(in.g, in.d, r.pitch, spacing, r1);
    r.solidHeight = springs::conicalSolidHeight(spacing, in.coils, in.d);

    r.load1 = single((double(in.freeHeight) - in.height1) * r.rate);
    r.load1Gf = num::finite(double(r.load1) / 9.8 * 1000);

    if (in.height2Given) {
        const float height2 = single(in.height2);
        r.height2BelowSolid = height2 < r.solidHeight;
        if (!*r.height2BelowSolid) {
            r.load2 = single((double(in.freeHeight) - height2) * r.rate);
            r.load2Gf = num::finite(double(r.load2) / 9.8 * 1000);
            r.load2BeyondContact = r.load2 > r.contactLoad;
        }
    }

    r.solidStress = solidShearStress(r.wahl, r.solidLoad, r1, in.d);
    r.load1BeyondContact = r.load1 > r.contactLoad;
}

} // namespace conicalexpert
