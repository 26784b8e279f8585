#pragma once
// The unfolded length of a sheet part bent at right angles. Each profile shape has its own
// rule; the correction coefficient alpha of one bend (read by the user from the coefficient
// table) is added once per bend, with its sign. The bend radius is asked for but enters no
// rule.

#include <optional>

enum class BendShape { L, Z, Pi, U, Box };

namespace bendallowance {

struct Inputs {
    double a = 0, b = 0, c = 0, thickness = 0, alpha = 0;
};

// No shape chosen gives 0.
double unfoldedLength(std::optional<BendShape> shape, const Inputs& in);

} // namespace bendallowance
