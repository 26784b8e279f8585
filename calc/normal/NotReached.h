#pragma once
// A result that a calculation did not reach (a step after a fault, or one whose working value
// was left empty) stays NaN, and the window leaves its box as it was (ui::showReached).

#include <limits>

namespace normalcalc {

inline constexpr double kNotReached = std::numeric_limits<double>::quiet_NaN();
inline constexpr float kNotReachedSingle = std::numeric_limits<float>::quiet_NaN();

} // namespace normalcalc
