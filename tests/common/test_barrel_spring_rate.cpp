// The rate of barrel and hourglass springs.

#include "common/BarrelSpringRate.h"
#include "common/CheckedMath.h"
#include "common/SpringMaterials.h"

#include <gtest/gtest.h>

namespace {

TEST(BarrelSpringRate, EqualRadiiGiveTheCylindricalRate) {
    for (double r : {0.5, 6.0, 10.0, 37.25}) {
        EXPECT_DOUBLE_EQ(springs::barrelRadiusFactor(r, r), 35 * r * r * r);
        EXPECT_DOUBLE_EQ(springs::barrelSpringRate(8000, 2, 5, r, r), helicalSpringRate(8000, 2, 2 * r, 5))
            << r;
    }
}

struct BarrelCase {
    const char* name;
    double middle;
    double end;
    double factor;
    double rate; // G 8000, d 2, n 5
};

// Barrel: the middle coil is the wider (R 10 and 6); hourglass: the narrower.
const BarrelCase kCases[] = {
    {"Barrel", 10, 6, 24040, 14000.0 / 24040},
    {"Hourglass", 6, 10, 14936, 14000.0 / 14936},
    {"Cylindrical", 10, 10, 35000, 0.4},
};

class BarrelSpringRateCase : public ::testing::TestWithParam<BarrelCase> {};

TEST_P(BarrelSpringRateCase, FactorAndRate) {
    const BarrelCase& c = GetParam();
    EXPECT_DOUBLE_EQ(springs::barrelRadiusFactor(c.middle, c.end), c.factor);
    EXPECT_DOUBLE_EQ(springs::barrelSpringRate(8000, 2, 5, c.middle, c.end), c.rate);
}

INSTANTIATE_TEST_SUITE_P(Springs, BarrelSpringRateCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarrelSpringRate, ZeroDivisorsFault) {
    EXPECT_THROW(springs::barrelSpringRate(8000, 2, 0, 10, 6), num::CalcFault);
    EXPECT_THROW(springs::barrelSpringRate(8000, 2, 5, 0, 0), num::CalcFault);
}

} // namespace
