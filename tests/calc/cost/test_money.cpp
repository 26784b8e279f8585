// Money of the quotations: four decimals, a half to even when stored, exact sums, products
// rounded as products, and an overflow that ends the calculation.

#include "calc/cost/Money.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(Money, StoresFourDecimalsHalfToEven) {
    struct Case {
        double value;
        std::int64_t count;
    };
    const Case cases[] = {
        {15.0 / 8 / 60, 312}, // 0.03125: the tie goes to the even 0.0312
        {0.03135, 314},       // and here to the even 0.0314
        {0.00005, 0},
        {1.00005, 10000}, // the decimal text decides, not the binary value below it
        {1.00015, 10002},
        {-0.00015, -2}, // the sign does not change the rule
        {1.46775 + 0.0833333, 15511},
        {2.675, 26750}, // a binary value below 2.675 still stores as the decimal 2.675
        {double(num::single(1234.5678)), 12345677}, // the single 1234.5677490234375
    };
    for (const Case& c : cases)
        EXPECT_EQ(Money::fromDouble(c.value).count(), c.count) << c.value;
}

TEST(Money, SumsAreExactAndProductsRoundAsProducts) {
    const Money a = Money::fromDouble(0.1), b = Money::fromDouble(0.2);
    EXPECT_EQ((a + b).count(), 3000);
    EXPECT_EQ(Money::product(Money::fromDouble(0.5), Money::fromDouble(0.0001)).count(), 0);
    EXPECT_EQ(Money::product(Money::fromDouble(1.5), Money::fromDouble(0.0001)).count(), 2);
    EXPECT_EQ(Money::product(Money::fromDouble(-1.5), Money::fromDouble(0.0001)).count(), -2);
    EXPECT_EQ(Money::product(Money::fromDouble(0.0473), Money::fromDouble(0.1404)).count(), 66);
    EXPECT_EQ(Money::fromDouble(40).times(60).count(), 24000000);
    EXPECT_EQ(Money::fromDouble(0.0419).format(u"0.000"), QStringLiteral("0.042"));
}

TEST(Money, BeyondTheRangeIsAnArithmeticFault) {
    EXPECT_THROW(Money::fromDouble(1e15), num::CalcFault);
    EXPECT_THROW(Money::fromDouble(std::nan("")), num::CalcFault);
    const Money big = Money::fromCount(INT64_MAX - 1);
    EXPECT_THROW(big + Money::fromCount(2), num::CalcFault);
    EXPECT_THROW(big.times(60), num::CalcFault);
    EXPECT_THROW(Money::product(Money::fromDouble(9e10), Money::fromDouble(9e10)), num::CalcFault);
    EXPECT_NO_THROW(Money::fromDouble(9e14));
}

} // namespace
