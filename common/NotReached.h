#pragma once
// A result that a calculation has not reached: a step after a fault or a stop, or one left out.
// Cores start such results as NaN and fill them in order; the window shows only what was reached.
// CheckedMath never lets a NaN through as a real result, so the two cannot be confused.

#include <limits>

namespace num {

inline constexpr double notReached = std::numeric_limits<double>::quiet_NaN();
inline constexpr float notReachedSingle = std::numeric_limits<float>::quiet_NaN();

} // namespace num
