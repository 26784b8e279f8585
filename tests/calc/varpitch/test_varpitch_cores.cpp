// The pure parts of the variable-pitch calculators that the window examples do not pin down:
// the tapered rate at equal diameters, the two-branch line at the knee, the coil-count check.

#include "calc/varpitch/LargePitchConical.h"
#include "calc/varpitch/OvalCoil.h"
#include "calc/varpitch/TwoRateLine.h"
#include "common/CheckedMath.h"

#include <gtest/gtest.h>

namespace {

TEST(TaperedRate, EqualDiametersGiveTheCylindricalRateAndNeighboursAgree) {
    const double g = 8000, d = 7, coils = 1.8;
    const double cylinder = 9.8 * g * d * d * d * d / (8 * coils * 47.0 * 47.0 * 47.0);
    EXPECT_FLOAT_EQ(largepitch::taperedRate(g, d, coils, 47, 47), float(cylinder));
    // The difference form just beside equal diameters approaches the same value.
    EXPECT_NEAR(largepitch::taperedRate(g, d, coils, 46.999, 47), cylinder, 0.01);
    EXPECT_THROW(largepitch::taperedRate(g, d, 0, 40.6, 47), num::CalcFault);
}

TEST(TwoRateLine, KneeBelongsToTheCombinedBranch) {
    const float kc = 10, kx = 20, p3 = 300, f3 = 30;
    EXPECT_EQ(varpitch::loadOnLine(30, f3, kc, p3, kx), 300.0f);
    EXPECT_EQ(varpitch::loadOnLine(10, f3, kc, p3, kx), 100.0f);
    EXPECT_EQ(varpitch::loadOnLine(40, f3, kc, p3, kx), 500.0f);
}

TEST(OvalCoil, SolidHeightMayEqualAWorkingHeight) {
    EXPECT_TRUE(ovalcoil::coilsFit(2, 22, 100, 48));
    EXPECT_FALSE(ovalcoil::coilsFit(2, 22, 100, 47.99f));
    EXPECT_FALSE(ovalcoil::coilsFit(2, 22, 47.99f, 100));
}

TEST(OvalCoil, FaultAtTheSideRatioComesBeforeTheCoilCheck) {
    ovalcoil::Results r;
    // D = d, and a coil count that the check would refuse: the division by zero wins.
    EXPECT_THROW(ovalcoil::compute({.g = 8000,
                                    .d = 1.2f,
                                    .largeDiameter = 1.2f,
                                    .smallDiameter = 8,
                                    .activeCoils = 1000,
                                    .freeHeight = 340,
                                    .firstHeight = 220,
                                    .secondHeight = 48},
                                   r),
                 num::CalcFault);
}

} // namespace
