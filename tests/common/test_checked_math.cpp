#include "common/CheckedMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CheckedMath, FaultingStepsThrow) {
    struct Case {
        const char* name;
        std::function<void()> step;
    };
    const Case cases[] = {
        {"division by zero", [] { num::div(1.0, 0.0); }},
        {"division by negative zero", [] { num::div(1.0, -0.0); }},
        {"zero by zero", [] { num::div(0.0, 0.0); }},
        {"overflowing quotient", [] { num::div(1e308, 1e-308); }},
        {"dividend not finite", [] { num::div(kNaN, 2.0); }},
        {"square root of a negative number", [] { num::sqrt(-1.0); }},
        {"square root of nan", [] { num::sqrt(kNaN); }},
        {"square root of infinity", [] { num::sqrt(kInfinity); }},
        {"logarithm of zero", [] { num::log(0.0); }},
        {"logarithm of a negative number", [] { num::log(-1.0); }},
        {"logarithm of nan", [] { num::log(kNaN); }},
        {"decimal logarithm of zero", [] { num::log10(0.0); }},
        {"power of zero to a negative exponent", [] { num::pow(0.0, -1.0); }},
        {"fractional power of a negative number", [] { num::pow(-8.0, 1.0 / 3.0); }},
        {"overflowing power", [] { num::pow(10.0, 400.0); }},
        {"infinity", [] { num::finite(kInfinity); }},
        {"negative infinity", [] { num::finite(-kInfinity); }},
        {"nan", [] { num::finite(kNaN); }},
        {"single overflow", [] { num::toSingle(1e39); }},
        {"negative single overflow", [] { num::toSingle(-1e39); }},
        {"single overflow just past the rounding limit", [] { num::toSingle(3.4028236e38); }},
        {"single of nan", [] { num::toSingle(kNaN); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.step(), num::CalcFault);
    }
}

TEST(CheckedMath, NormalValuesPassThrough) {
    struct Case {
        const char* name;
        double actual;
        double expected;
    };
    const Case cases[] = {
        {"quotient", num::div(1.0, 4.0), 0.25},
        {"zero dividend", num::div(0.0, 5.0), 0.0},
        {"square root", num::sqrt(16.0), 4.0},
        {"square root of zero", num::sqrt(0.0), 0.0},
        {"logarithm of one", num::log(1.0), 0.0},
        {"decimal logarithm", num::log10(1000.0), 3.0},
        {"power", num::pow(2.0, 10.0), 1024.0},
        {"whole power of a negative number", num::pow(-2.0, 3.0), -8.0},
        {"finite value", num::finite(-12.5), -12.5},
        {"underflow is no fault", num::div(1e-308, 1e10), 1e-308 / 1e10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(CheckedMath, ToSingleRoundsLikeAStore) {
    EXPECT_EQ(num::toSingle(20.1), 20.1f);
    EXPECT_EQ(num::toSingle(-725.45), -725.45f);
    EXPECT_EQ(num::toSingle(1e-50), 0.0f); // underflow is no fault: it stores zero
    // Above the largest single but below the rounding limit: stores the largest single.
    EXPECT_EQ(num::toSingle(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_EQ(num::toSingle(-3.4028235e38), -std::numeric_limits<float>::max());
}

} // namespace
