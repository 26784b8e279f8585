#include "common/SpringDesign.h"

#include "common/CheckedMath.h"

#include <cmath>

namespace springdesign {

double trialWireDiameter(double load, double wahlFactor, double springIndex, double allowableStress) {
    const double product = load * wahlFactor * springIndex;
    return 1.6 * num::sqrt(num::div(product, allowableStress));
}

double loadForWireDiameter(double wireDiameter, double stress, double springIndex, double wahlFactor) {
    return num::div(wireDiameter * wireDiameter * stress, 1.6 * 1.6 * springIndex * wahlFactor);
}

double wholePartPlusOne(double x) {
    return std::floor(num::finite(x)) + 1.0;
}

} // namespace springdesign
