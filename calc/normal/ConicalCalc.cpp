#include "calc/normal/ConicalCalc.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

namespace conical {

void compute(const Inputs& in, Results& r) {
    const float g = in.g, d = in.d, coils = in.coils, freeHeight = in.freeHeight;
    const float r1 = springs::conicalCoilRadius(in.smallOuter, d);
    const float r2 = springs::conicalCoilRadius(in.largeOuter, d);
    const float rate = springs::conicalRateBeforeContact(g, d, r1, r2, coils);
    r.rate = rate;

    // Two end coils of height d; the rest of the free height is shared by the active coils.
    const float pitch = num::single(num::div(double(freeHeight) - 2.0 * d, coils));
    const float spacing = springs::conicalContactSpacing(d, r1, r2, coils);

    const float contactLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r2);
    r.contactLoad = contactLoad;
    const float contactHeight = num::single(double(freeHeight) - num::div(contactLoad, rate));
    r.contactHeight = num::single(num::lenient(num::formatSingle(contactHeight, u"0.0")));

    r.solidLoad = springs::conicalClosingLoad(g, d, pitch, spacing, r1);
    const float solidHeight = springs::conicalSolidHeight(spacing, coils, d);
    r.solidHeight = solidHeight;

    const float load1 = num::single((double(freeHeight) - in.height1) * rate);
    r.load1 = load1;
    r.load1Gf = double(load1) / 9.8 * 1000;

    if (in.height2) {
        const float height2 = num::single(*in.height2);
        if (height2 < solidHeight) {
            r.second = SecondHeight::BelowSolidHeight;
        } else {
            const float load2 = num::single((double(freeHeight) - height2) * rate);
            r.load2 = load2;
            r.load2Gf = double(load2) / 9.8 * 1000;
            r.second = SecondHeight::Loaded;
            r.load2BeyondContact = load2 > contactLoad;
        }
    }
    r.load1BeyondContact = load1 > contactLoad;
}

} // namespace conical
