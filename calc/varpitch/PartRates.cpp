#include "calc/varpitch/PartRates.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

namespace varpitch {

float cylinderRate(double g, double d, double coils, double meanDiameter) {
    return num::single(
        num::div(9.8 * g * d * d * d * d, 8.0 * coils * meanDiameter * meanDiameter * meanDiameter));
}

float taperRate(double g, double d, double coils, double d1, double d2) {
    return num::single(num::div(9.8 * g * d * d * d * d, 2.0 * coils * (d1 * d1 + d2 * d2) * (d1 + d2)));
}

float inSeries(float k1, float k2) {
    return num::single(num::div(double(k1) * k2, double(k1) + k2));
}

} // namespace varpitch
