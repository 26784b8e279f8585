#pragma once
// A result that a calculation has not reached: the steps of a core fill their results in
// order, each starting as NaN, so that after a fault (or a step left out) the window shows
// only what was worked out and every other box keeps its text.

#include <limits>

namespace num {

inline constexpr double notReached = std::numeric_limits<double>::quiet_NaN();
inline constexpr float notReachedSingle = std::numeric_limits<float>::quiet_NaN();

} // namespace num
