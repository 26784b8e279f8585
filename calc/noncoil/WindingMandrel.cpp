#include "calc/noncoil/WindingMandrel.h"

#include "common/CheckedMath.h"

namespace mandrel {

void compute(const Inputs& in, Results& r) {
    const float c = num::toSingle(num::div(static_cast<double>(in.d) + in.inner, in.d));
    r.diameter = num::toSingle(num::div(in.inner, num::div(c * 1.7 * in.strength, in.e) + 1));
}

} // namespace mandrel
