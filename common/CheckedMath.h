#pragma once
// Checked arithmetic. The calculators were written for a runtime that trapped on a division
// by zero, a square root of a negative number or an overflow; C++ does not trap, so every
// step that can fail goes through these helpers. They throw CalcFault, which the window
// runtime catches where a click or tick is dispatched: the calculation stops at that step,
// what was written before stays, and the window shows the input-error message (text 1035).
// A timer tick ends silently instead.

#include <cmath>
#include <stdexcept>

namespace num {

// The one exception type of a calculation that cannot go on.
class CalcFault : public std::runtime_error {
public:
    explicit CalcFault(const char* what = "arithmetic fault") : std::runtime_error(what) {}
};

// The value itself, or CalcFault when it is not finite.
inline double finite(double x) {
    if (!std::isfinite(x))
        throw CalcFault("non-finite value");
    return x;
}

inline double div(double a, double b) {
    if (b == 0.0)
        throw CalcFault("division by zero");
    return finite(a / b);
}

inline double sqrt(double x) {
    if (x < 0.0 || std::isnan(x))
        throw CalcFault("square root of a negative number");
    return finite(std::sqrt(x));
}

inline double log(double x) {
    if (!(x > 0.0))
        throw CalcFault("logarithm of a non-positive number");
    return finite(std::log(x));
}

inline double log10(double x) {
    if (!(x > 0.0))
        throw CalcFault("logarithm of a non-positive number");
    return finite(std::log10(x));
}

inline double pow(double base, double exponent) {
    return finite(std::pow(base, exponent));
}

// e^x; a result beyond the double range (x above about 709.78) faults.
inline double exp(double x) {
    return finite(std::exp(finite(x)));
}

// Storing into a single-precision variable overflows above the float range. The check comes
// before the conversion, since converting an out-of-range double to float is undefined
// behaviour in C++: from half a unit above the largest float on, rounding would give infinity.
inline float toSingle(double x) {
    constexpr double kFirstOverflowingMagnitude = 0x1.ffffffp127; // FLT_MAX + half its ulp
    if (std::fabs(finite(x)) >= kFirstOverflowingMagnitude)
        throw CalcFault("single-precision overflow");
    return static_cast<float>(x);
}

} // namespace num
