#include "common/BarrelSpringRate.h"

#include "common/CheckedMath.h"

namespace springs {

double barrelRadiusFactor(double middleRadius, double endRadius) {
    const double delta = middleRadius - endRadius;
    return num::finite(21 * middleRadius * delta * delta + 35 * middleRadius * middleRadius * endRadius -
                       5 * delta * delta * delta);
}

double barrelSpringRate(double g, double d, double activeCoils, double middleRadius, double endRadius) {
    const double numerator = 35 * g * num::pow(d, 4);
    return num::div(numerator, 64 * activeCoils * barrelRadiusFactor(middleRadius, endRadius));
}

} // namespace springs
