#include "calc/noncoil/RubberSpringCore.h"

#include "common/CheckedMath.h"
#include "common/NotReached.h"
#include "common/StringTable.h"

namespace rubber {

double shearModulus(double shoreHardness) {
    return num::finite(0.117 * num::exp(0.034 * shoreHardness));
}

double hardnessCoefficient(double shoreHardness) {
    return 10.7 - 0.098 * shoreHardness;
}

double solidCylinderCoefficient(double k, double s) {
    return num::finite(3 + k * s * s);
}

double ringCoefficient(double k, double s) {
    return num::finite(4 + 0.56 * k * s * s);
}

double blockCoefficient(double k, double s, double length, double width) {
    const double ratio = num::div(width, length);
    return num::div(4 + 2 * ratio + 0.56 * k * (1 + ratio) * (1 + ratio) * s * s, 1 + ratio);
}

Limits loadTypeLimits(const QString& listText) {
    if (listText == StringTable::text(2223))
        return {3, 15};
    if (listText == StringTable::text(2224))
        return {1, 5};
    return {};
}

QString verdict(double first, double second, double limit) {
    const double larger = second > first ? second : first;
    return larger >= limit ? QStringLiteral("ng") : QStringLiteral("ok");
}

void computeCompression(const CompressionInputs& in, CompressionResults& out) {
    const double nr = num::notReached;
    out = {nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, nr, {}, {}};
    const double h = in.height;
    out.allowableStress = in.limits.stress;
    out.allowableDeformation = in.limits.deformation;
    const double g = shearModulus(in.shoreHardness);
    out.shearModulus = g;
    const bool block = in.shape == Shape::Block;
    const double a = in.dimension1, b = in.dimension2;
    const double loaded = block ? a * b : (a * a - b * b) * 3.1416 / 4;
    out.loadedArea = num::finite(loaded);
    const double free = block ? 2 * (a + b) * h : (b + a) * 3.1416 * h;
    out.freeArea = num::finite(free);
    const double s = num::div(loaded, free);
    out.shapeFactor = s;
    const double k = hardnessCoefficient(in.shoreHardness);
    out.hardnessCoefficient = k;
    const double i = block ? blockCoefficient(k, s, a, b)
                           : (b == 0 ? solidCylinderCoefficient(k, s) : ringCoefficient(k, s));
    out.shapeCoefficient = i;
    const double ea = num::finite(g * i);
    out.apparentModulus = ea;
    const double rate = num::div(ea * loaded, h);
    out.rate = rate;
    const double deflection1 = h - in.workingHeight;
    out.load1 = num::finite(deflection1 * rate);
    const double f2 = num::div(in.workingLoad, rate);
    out.deflection2 = f2;
    out.height2 = h - f2;
    const double e1 = num::div(deflection1 * 100, h);
    out.deformation1 = e1;
    const double e2 = num::div(f2 * 100, h);
    out.deformation2 = e2;
    // The working stress is the modulus times the deflection in mm, not divided by the height.
    out.stress1 = num::finite(deflection1 * ea);
    out.stress2 = num::finite(ea * f2);
    out.stressVerdict = verdict(out.stress1, out.stress2, in.limits.stress);
    out.deformationVerdict = verdict(e1, e2, in.limits.deformation);
}

void computeShear(const ShearInputs& in, ShearResults& out) {
    const double nr = num::notReached;
    out = {nr, nr, nr, nr, nr, nr, nr, nr, {}};
    out.allowableStress = in.limits.stress;
    out.allowableDeformation = in.limits.deformation;
    const double g = shearModulus(in.shoreHardness);
    out.shearModulus = g;
    const double rate = num::div(g * in.shearedArea, in.height);
    out.rate = rate;
    out.load1 = num::finite(in.deflection1 * rate);
    const double f2 = num::div(in.workingLoad, rate);
    out.deflection2 = f2;
    out.stress1 = num::finite(g * in.deflection1);
    out.stress2 = num::finite(g * f2);
    out.stressVerdict = verdict(out.stress1, out.stress2, in.limits.stress);
}

} // namespace rubber
