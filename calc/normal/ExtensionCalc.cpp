#include "calc/normal/ExtensionCalc.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

namespace extension {

void compute(const Inputs& in, Results& r) {
    const float d = in.d, meanDiameter = in.meanDiameter, coils = in.coils, freeLength = in.freeLength;
    r.lastLength = in.length1;

    const double springIndex = num::div(meanDiameter, d);
    r.longest =
        num::finite((1 - num::div(1, springIndex)) * (double(meanDiameter) * 0.5 * coils) + freeLength);

    const float extension1 = num::single(double(in.length1) - freeLength);
    const float extension2 = num::single(double(in.length2) - freeLength);
    const float extension3 = num::single(double(in.length3) - freeLength);

    const float tension = num::single(springs::initialTension(in.g, d, meanDiameter, 3.1416, 1000));
    r.tension = tension;
    // The tension in N is worked out from the gf figure as shown, to one decimal.
    r.tensionN = num::lenient(num::formatSingle(tension, u"0.0")) * 9.8 / 1000;

    const double dSquared = double(d) * d;
    const double meanCubed = double(meanDiameter) * meanDiameter * meanDiameter;
    const float rate =
        num::single(num::div(num::div(dSquared * dSquared * in.g * 1000 / 8, meanCubed), coils));
    r.rate = rate;
    r.rateN = double(rate) * 9.8 / 1000;

    auto band = [&](float extension, double& least, double& greatest) {
        const springs::LoadBand loads = springs::extensionLoadBand(rate, extension, tension);
        least = loads.least;
        greatest = loads.greatest;
    };
    band(extension1, r.least1, r.greatest1);
    if (in.hasLength2) {
        r.lastLength = in.length2;
        band(extension2, r.least2, r.greatest2);
    }
    if (in.hasLength3) {
        r.lastLength = in.length3;
        band(extension3, r.least3, r.greatest3);
    }
}

} // namespace extension
