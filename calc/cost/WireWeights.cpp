#include "calc/cost/WireWeights.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace wireweights {

SpringWeight springWeight(const SpringInputs& in) {
    const double d = in.wireDiameter;
    const double rho = in.density;
    const float straight = num::single(d * (kPi * d) * in.straightLength * rho * 0.25 * 0.001);
    if (!in.coiled)
        return {straight, "0.00"};
    const float section = num::single(d * d * kPi / 4);
    const float coilLength = num::single(double(in.meanDiameter) * kPi * double(in.totalCoils));
    const float coil = num::single(double(section) * rho * double(coilLength) * 0.001);
    return {num::single(double(straight) + double(coil)), "0.0000"};
}

double hollowWireWeight(const HollowInputs& in) {
    const double d = in.wireDiameter;
    const double area = d * d - in.bore * in.bore;
    const double straight = num::finite(area * (in.density * kPi * in.straightLength) * 0.25 * 0.001);
    if (!in.coiled)
        return straight;
    const double coil =
        num::finite(area * (in.density * kPi * kPi) * (in.outerDiameter - d) * in.totalCoils * 0.00025);
    return num::finite(coil + straight);
}

void serpentine(const SerpentineInputs& in, Serpentine& out) {
    const double d = in.wireDiameter, p = in.pitch, n = in.waves;
    out = {};
    const float length = num::single(((double(in.waveHeight) - d) - p / 2) * (n + n) + (n * kPi * p) / 2);
    out.developedLength = length;
    // The weight takes the length as the window shows it, four decimals.
    const float shown = num::single(num::strictOrFault(num::formatSingle(length, u"0.0000")));
    out.weight = num::single(num::pow(d, 2) * (double(shown) + 40) * kPi * double(in.density) / 4000);
}

float clockSpringWeight(const ClockInputs& in) {
    const double b = in.width, a = in.thickness, rho = in.density;
    if (!in.coiled)
        return num::single((b * rho * a) * double(in.straightLength) / 1000);
    return num::single((b * rho * a) * kPi * (double(in.outerDiameter) - a) * double(in.coils) * 0.001 +
                       b * rho * a * double(in.straightLength) * 0.001);
}

float dieSpringWeight(const DieInputs& in) {
    const double b = in.width, a = in.thickness, rho = in.density;
    return num::single((b * rho * a) * kPi * (double(in.outerDiameter) - b) * double(in.coils) * 0.001);
}

float conicalSpringWeight(const ConicalInputs& in) {
    const float meanDiameter = num::single((double(in.smallMeanDiameter) + in.largeMeanDiameter) / 2);
    const float section = num::single(in.wireDiameter * in.wireDiameter * 3.1416 / 4);
    const float length = num::single(double(meanDiameter) * 3.1416 * double(in.totalCoils));
    return num::single(double(section) * double(in.density) * double(length) * 0.001);
}

} // namespace wireweights
