#include "calc/varpitch/TwoRateLine.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"

namespace varpitch {

using num::single;

float loadOnLine(float f, float f3, float kc, float p3, float kx) {
    if (f <= f3)
        return single(double(kc) * f);
    return single(p3 + (double(f) - f3) * kx);
}

bool pitchTooLarge(float sparsePitch, float meanDiameter) {
    return single(num::div(sparsePitch, meanDiameter)) > 0.45f;
}

bool solidLengthOk(float freeHeight, float solidHeight, float maxDeflection) {
    return single(double(freeHeight) - solidHeight) > maxDeflection;
}

bool shearStressOk(float coefficient, float tensileStrength, float shearStress) {
    return single(double(coefficient) * tensileStrength) > shearStress;
}

float shearStress(float load, float meanDiameter, float wireDiameter) {
    const float index = single(num::div(meanDiameter, wireDiameter));
    const float wahl = springchecks::wahlFactorSingle(index);
    const double d = wireDiameter;
    return single(num::div(8.0 * wahl * load * meanDiameter, 3.1416 * d * d * d));
}

float testLoad(float wireDiameter, float coefficient, float tensileStrength, float meanDiameter) {
    const double d = wireDiameter;
    return single(num::div(3.1416 * d * d * d * coefficient * tensileStrength, 8.0 * meanDiameter));
}

} // namespace varpitch
