// The pure pieces of the drawings: hand signs, hook-angle offsets, point counts and lists.

#include "cad/SpringGeometry.h"
#include "common/CheckedMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace cad;

struct HandRow {
    const char* text;
    HandStyle style;
    double sign;
};

TEST(HandSign, OnlyTheExactRightHandTextIsRight) {
    const HandRow rows[] = {
        {"右旋", HandStyle::CosineFirst, 1},   {"左旋", HandStyle::CosineFirst, -1},
        {"右旋 ", HandStyle::CosineFirst, -1}, {"", HandStyle::CosineFirst, -1},
        {"右旋", HandStyle::SineFirst, -1},    {"左旋", HandStyle::SineFirst, 1},
        {"right", HandStyle::SineFirst, 1},
    };
    for (const HandRow& r : rows)
        EXPECT_EQ(handSign(QString::fromUtf8(r.text), r.style), r.sign) << r.text;
}

struct OffsetRow {
    double turns;
    double allowance;
    const char* text;
    double drawn;
};

TEST(HookAngleOffset, TruncatesReducesAndAddsTheQuarterTurns) {
    const double k = 2 / 3.1415926535 / 10;
    const OffsetRow rows[] = {
        {10.6, 0, "0度", 10},
        {10.6, 0, "90度", 10.25},
        {10.6, 0, "180度", 10.5},
        {10.6, 0, "270度", 10.75},
        {-2.5, 0, "0度", -2},
        {10.3, k, "0度", 10 - k},
        {10.3, k, "90度", 10 - k + 0.25},
        // Any other text, a trailing blank included, keeps Nt as typed.
        {10.3, k, "0度 ", 10.3},
        {10.3, k, "45度", 10.3},
        {10.3, k, "90", 10.3},
        {0, 0, "90度", 0.25},
    };
    for (const OffsetRow& r : rows)
        EXPECT_EQ(hookAngleOffset(r.turns, r.allowance, QString::fromUtf8(r.text)), r.drawn)
            << r.turns << " " << r.text;
}

TEST(TaperedPointCount, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(taperedPointCount(7, 0), 350);
    EXPECT_EQ(taperedPointCount(5.25, 2), 362); // 362.5
    EXPECT_EQ(taperedPointCount(7.27, 0), 364); // 363.5
    EXPECT_EQ(taperedPointCount(216.42, 2), 10921);
    EXPECT_EQ(taperedPointCount(-1, 0), -50);
    EXPECT_THROW(taperedPointCount(-700, 2), num::CalcFault);
}

TEST(HelixSteps, KeepsOneHundredUpToEightATurnThenEightATurn) {
    const std::pair<double, int> rows[] = {
        {0, 100},  {5.5, 100}, {12.5, 100},  {-12.5, 100},      {12.51, 101},
        {13, 104}, {-13, 104}, {1000, 8000}, {1365.125, 10921},
    };
    for (const auto& [turns, steps] : rows)
        EXPECT_EQ(helixSteps(turns, 1), steps) << turns;
}

TEST(HelixSteps, BeyondTheLimitNamesTheWindowsLargestCount) {
    for (double turns : {1365.13, -1365.13, 1e300}) {
        try {
            helixSteps(turns, 1364.5);
            ADD_FAILURE() << turns;
        } catch (const TooManyTurns& e) {
            EXPECT_EQ(e.largestTurns(), 1364.5) << turns;
        }
    }
    EXPECT_THROW(helixSteps(NAN, 1), num::CalcFault);
}

TEST(LargestHookAngleTurns, IsTheLargestCountWhoseBodyDraws) {
    const double centreHooks = 2 / 3.1415926535 / 10;
    const double largeAllowance = 2 / 3.1415926535 / 0.001;
    for (const char* text : {"0度", "90度", "180度", "270度"})
        for (double k : {0.0, centreHooks, 0.5, largeAllowance}) {
            const QString comboText = QString::fromUtf8(text);
            const double largest = largestHookAngleTurns(k, comboText);
            EXPECT_EQ(largest, std::trunc(largest)) << text << " " << k;
            EXPECT_NO_THROW(helixSteps(hookAngleOffset(largest, k, comboText), 0)) << text << " " << k;
            EXPECT_THROW(helixSteps(hookAngleOffset(largest + 1, k, comboText), 0), TooManyTurns)
                << text << " " << k;
        }
    // Any other text draws Nt as typed.
    EXPECT_EQ(largestHookAngleTurns(centreHooks, QStringLiteral("45度")), kMaxHelixTurns);
    EXPECT_EQ(largestHookAngleTurns(0, QStringLiteral("0度")), 1365);
    EXPECT_EQ(largestHookAngleTurns(0, QStringLiteral("90度")), 1364);
}

TEST(TaperedHelixPoints, HeightLawsMeetWithoutAStep) {
    const int n = 100; // two turns: only point 50 takes the middle law
    const auto points = taperedHelixPoints(
        n, [](int) { return 5.0; }, 0.48, 3, 1);
    ASSERT_EQ(points.size(), 303u);
    EXPECT_NEAR(points[3 * 49 + 2], 2 * 49 * 0.48 / 50, 1e-12);
    EXPECT_NEAR(points[3 * 50 + 2], 2 * 0.48, 1e-12);
    EXPECT_NEAR(points[3 * 51 + 2], 2 * 0.48 + 2 * 0.48 / 50, 1e-12);
    EXPECT_NEAR(points[3 * 100 + 2], 4 * 0.48, 1e-12);
    EXPECT_NEAR(points[0], 0, 1e-12); // starts at (0, r, 0)
    EXPECT_NEAR(points[1], 5, 1e-12);
}

TEST(HelixSplinePoints, ZeroTurnsGiveOneRepeatedPoint) {
    const auto points = helixSplinePoints(0, 4, 2, 3, -1, 1, 1);
    ASSERT_EQ(points.size(), 303u);
    for (size_t i = 0; i < points.size(); i += 3) {
        EXPECT_EQ(points[i], -4);
        EXPECT_EQ(points[i + 1], 0);
        EXPECT_EQ(points[i + 2], 3);
    }
}

TEST(PointList, NonFiniteCoordinateIsAFault) {
    EXPECT_THROW(pointList(3, [](int i) { return Point3d{0, 0, i == 2 ? INFINITY : 0}; }), num::CalcFault);
}

} // namespace
