// The designers' trial wire diameter, its inverse and the step-up rule.

#include "common/CheckedMath.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

#include <gtest/gtest.h>

namespace {

using namespace springdesign;

TEST(TrialWireDiameter, FollowsTheFormulaWithoutRounding) {
    // 1.6 * sqrt(420 * 1.2092 * 7.11 / 532): the compression designer's defaults.
    EXPECT_NEAR(trialWireDiameter(420, springchecks::wahlFactor(7.11), 7.11, 532), 4.1685, 1e-4);
    EXPECT_DOUBLE_EQ(trialWireDiameter(100, 1, 1, 4), 1.6 * 5.0);
    EXPECT_DOUBLE_EQ(trialWireDiameter(0, 1.3, 5, 600), 0.0);
}

TEST(TrialWireDiameter, ZeroStressOrNegativeRadicandIsAFault) {
    EXPECT_THROW(trialWireDiameter(420, 1.2, 7, 0), num::CalcFault);
    EXPECT_THROW(trialWireDiameter(420, -0.5, 0.9, 532), num::CalcFault);
    EXPECT_THROW(trialWireDiameter(-1, 1.2, 7, 532), num::CalcFault);
}

TEST(TrialWireDiameter, LoadForAWireIsItsInverse) {
    const double k = springchecks::wahlFactor(4);
    const double d = trialWireDiameter(1260.689, k, 4, 75);
    EXPECT_NEAR(loadForWireDiameter(d, 75, 4, k), 1260.689, 1e-9);
    EXPECT_NEAR(loadForWireDiameter(16, 75, 4, k), 1335.708, 1e-3);
    EXPECT_THROW(loadForWireDiameter(16, 75, 0, k), num::CalcFault);
}

TEST(WholePartPlusOne, AlwaysStepsAboveTheWholePart) {
    const std::pair<double, double> cases[] = {{7.2, 8}, {7.01, 8},  {8.0, 9},  {15.0, 16},   {15.54, 16},
                                               {0.0, 1}, {11.0, 12}, {-0.5, 0}, {-11.98, -11}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(wholePartPlusOne(x), expected) << x;
}

} // namespace
