#include "calc/cost/Money.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kScale = 10000;
// 2^63: the first magnitude that no int64 holds.
constexpr double kLimit = 9223372036854775808.0;

std::int64_t checkedCount(__int128 value) {
    if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min())
        throw num::CalcFault("money overflow");
    return static_cast<std::int64_t>(value);
}

} // namespace

Money Money::fromDouble(double value) {
    const double scaled = num::fixed4(num::finite(value)) * static_cast<double>(kScale);
    if (!(std::fabs(scaled) < kLimit))
        throw num::CalcFault("money overflow");
    return Money(std::llround(scaled));
}

Money Money::operator+(Money other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(count_, other.count_, &sum))
        throw num::CalcFault("money overflow");
    return Money(sum);
}

Money Money::times(std::int64_t factor) const {
    return Money(checkedCount(static_cast<__int128>(count_) * factor));
}

Money Money::product(Money a, Money b) {
    // The exact product is in units of 10^-8; bring it back to 10^-4, a half to even.
    const __int128 exact = static_cast<__int128>(a.count_) * b.count_;
    __int128 quotient = exact / kScale;
    const __int128 remainder = exact % kScale;
    const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > kScale || (twice == kScale && quotient % 2 != 0))
        quotient += exact < 0 ? -1 : 1;
    return Money(checkedCount(quotient));
}

QString Money::format(QStringView pattern) const {
    return num::format(toDouble(), pattern);
}
