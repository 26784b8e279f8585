#pragma once
// Arithmetic of the heat-treatment and pass-rate sums: intermediate values carry extended
// precision and are stored as singles, as the old program's arithmetic did.

#include "common/CheckedMath.h"

namespace extmath {

using Ext = long double;

// Stored into a single through a double, so a value outside either range faults.
inline float single(Ext x) {
    return num::toSingle(num::finite(static_cast<double>(x)));
}

inline Ext divide(Ext a, Ext b) {
    if (b == 0)
        throw num::CalcFault("division by zero");
    return a / b;
}

} // namespace extmath
