#pragma once
// Small steps that the arithmetic of several spring designers takes alike.

#include "common/Numbers.h"
#include "common/SpringDesign.h"

namespace designmath {

inline double cube(double x) {
    return x * x * x;
}

inline double fourth(double x) {
    return x * x * x * x;
}

// A value as the pattern shows it, read back: later steps judge the displayed figure.
inline float asShown(float value, QStringView pattern) {
    return num::single(num::lenient(num::formatSingle(value, pattern)));
}

// Up to 7 mm a wire diameter keeps its decimals; above, it becomes the next whole size.
inline float wholeSizeAboveSeven(float wireDiameter) {
    return wireDiameter > 7.0f ? num::single(springdesign::wholePartPlusOne(wireDiameter)) : wireDiameter;
}

} // namespace designmath
