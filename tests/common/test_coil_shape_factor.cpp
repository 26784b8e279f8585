// The coil shape factor: the polynomial, the oval form and the two-decimal rounding that the
// windows divide by.

#include "common/CheckedMath.h"
#include "common/CoilShapeFactor.h"

#include <gtest/gtest.h>

namespace {

using namespace coilshape;

TEST(CoilShapeFactor, RoundCoilIsOne) {
    EXPECT_NEAR(shapeFactor(1, 1), 1.0f, 1e-6f);
    EXPECT_EQ(roundedShapeFactor(shapeFactor(1, 1)), 1.00);
}

TEST(CoilShapeFactor, PolynomialMatchesItsCollectedForm) {
    // r³(0.043s³ − 0.153s² − 0.242s + 0.163) + r²(0.637 + 0.147s − 0.153s²) + r(0.637 − 0.242s) + 0.163
    for (const auto& [r, s] : {std::pair{0.5, 0.8}, {0.3434, 1.0}, {1.2, 0.6}, {0.0, 2.0}}) {
        const double collected = r * r * r * (0.043 * s * s * s - 0.153 * s * s - 0.242 * s + 0.163) +
                                 r * r * (0.637 + 0.147 * s - 0.153 * s * s) + r * (0.637 - 0.242 * s) +
                                 0.163;
        EXPECT_NEAR(shapeFactor(r, s), collected, 1e-6) << r << " " << s;
    }
}

struct OvalCase {
    const char* name;
    double r;
    double rounded;
};

class OvalShapeFactor : public ::testing::TestWithParam<OvalCase> {};

TEST_P(OvalShapeFactor, RoundsToTwoDecimals) {
    EXPECT_EQ(roundedShapeFactor(ovalShapeFactor(GetParam().r)), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(CoilShapeFactor, OvalShapeFactor,
                         ::testing::Values(OvalCase{"RoundCoil", 1.0, 0.93},        // b = D
                                           OvalCase{"FlatAsTheWire", 0.0, 0.09},    // b = d: 0.093
                                           OvalCase{"WindowDefaults", 0.3434, 0.30} // the oval window's
                                           ),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CoilShapeFactor, OvalFormIsTheFactorLessSevenHundredths) {
    EXPECT_NEAR(ovalShapeFactor(0.3434), 0.2954f, 5e-5f);
    EXPECT_FLOAT_EQ(ovalShapeFactor(0.6), float(double(shapeFactor(0.6, 1)) - 0.07));
}

TEST(CoilShapeFactor, FactorRoundingToZeroFaults) {
    // The oval factor crosses zero near r = 3.906; 0.004 rounds to 0.00, 0.005 to 0.01.
    EXPECT_THROW(roundedShapeFactor(0.004f), num::CalcFault);
    EXPECT_THROW(roundedShapeFactor(-0.004f), num::CalcFault);
    EXPECT_THROW(roundedShapeFactor(ovalShapeFactor(3.906)), num::CalcFault);
    EXPECT_EQ(roundedShapeFactor(0.0051f), 0.01);
}

} // namespace
