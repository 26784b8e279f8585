#include "calc/cost/BendAllowance.h"

#include "common/CheckedMath.h"

namespace bendallowance {

double unfoldedLength(std::optional<BendShape> shape, const Inputs& in) {
    if (!shape)
        return 0;
    const double a = in.a, b = in.b, c = in.c, t = in.thickness, alpha = in.alpha;
    switch (*shape) {
    case BendShape::L:
        return num::finite((b + a) + alpha);
    case BendShape::Z:
        return num::finite(((b + a) + c) + (alpha + alpha));
    case BendShape::Pi:
        return num::finite((((a + a) + b) - t * 6) + alpha * 4);
    case BendShape::U:
        return num::finite((((b + b) + a) - t * 4) + (alpha + alpha));
    case BendShape::Box:
        return num::finite((((b + a) + (b + a)) - t * 8) + alpha * 4);
    }
    return 0;
}

} // namespace bendallowance
