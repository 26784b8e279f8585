#include "common/CoilShapeFactor.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>

namespace coilshape {

float shapeFactor(double r, double s) {
    const double r2 = std::pow(r, 2), r3 = std::pow(r, 3);
    const double s2 = std::pow(s, 2), s3 = std::pow(s, 3);
    double sum = 0.043 * s3 * r3;
    sum = sum - 0.153 * s2 * r3;
    sum = sum - 0.153 * s2 * r2;
    sum = sum - 0.242 * s * r3;
    sum = 0.147 * s * r2 + sum - 0.242 * s * r;
    sum = 0.163 * r3 + sum;
    return num::toSingle(0.637 * r2 + sum + 0.637 * r + 0.163);
}

float ovalShapeFactor(double r) {
    const double r2 = std::pow(r, 2), r3 = std::pow(r, 3);
    double sum = 0.043 * r3;
    sum = sum - 0.153 * r3;
    sum = sum - 0.153 * r2;
    sum = sum - 0.242 * r3;
    sum = 0.147 * r2 + sum - 0.242 * r;
    sum = 0.163 * r3 + sum;
    const float round = num::toSingle(0.637 * r2 + sum + 0.637 * r + 0.163);
    return num::toSingle(double(round) - 0.07);
}

double roundedShapeFactor(float factor) {
    const double rounded = num::lenient(num::format(double(factor), u"0.00"));
    if (rounded == 0.0)
        throw num::CalcFault("shape factor rounds to zero");
    return rounded;
}

} // namespace coilshape
