// The coil helix of the compression, torsion and extension windows follows its coil whatever
// the turn count: each fit point advances the same angle, at most an eighth of a turn, and
// the same height, from the helix's start to its end. Up to 12.5 turns the helix keeps the
// 101 points of the worked examples.

#include "CadFormTest.h"
#include "support/WindowCases.h"

#include <cmath>

namespace {

using hostproto::Point3;

struct SweepRow {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    const char* button;
    int spline; // the helix among the run's splines
    double turns;
    double hand; // +1 counterclockwise seen from +z, -1 clockwise
    double radius;
    double top; // the helix rises from z = 0 to here
    int points;
};

const double kCentreHooks = 2 * 2 / 3.1415926535 / 20;

const SweepRow kSweeps[] = {
    {"Compression_1000Turns",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "1000"}, {"Text4", "5000"}},
     "Command3",
     1,
     1000,
     1,
     10,
     4994,
     8001},
    {"Compression_1000Turns_LeftHand",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "1000.7"}, {"Text4", "5000"}, {"Combo1", "左旋"}},
     "Command3",
     1,
     1000.5,
     -1,
     10,
     4994,
     8005},
    {"Compression_WorkedExample",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}},
     "Command3",
     1,
     5.5,
     1,
     10,
     34,
     101},
    {"Compression_TwelveAndAHalfTurns",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "12.5"}, {"Text4", "106"}},
     "Command3",
     1,
     12.5,
     1,
     10,
     100,
     101},
    {"Torsion_1000Turns",
     "CadTorsionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "1000"}, {"Text4", "5"}},
     "Command3",
     0,
     1000,
     1,
     10,
     5000,
     8001},
    {"Torsion_WorkedExample",
     "CadTorsionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5"}, {"Text4", "3"}, {"Combo1", "左旋"}},
     "Command3",
     0,
     5,
     -1,
     10,
     15,
     101},
    {"Torsion_JustOverTwelveAndAHalfTurns",
     "CadTorsionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "12.51"}, {"Text4", "3"}},
     "Command3",
     0,
     12.51,
     1,
     10,
     12.51 * 3,
     102},
    {"SideHooks_1000Turns",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "1000.6"}, {"Text4", "16"}, {"Text7", "16"}},
     "Command3",
     0,
     1000,
     1,
     10,
     2000,
     8001},
    {"CentreHooks_1000Turns_90",
     "CadExtensionForm",
     {{"Text1", "2"},
      {"Text2", "20"},
      {"Text3", "1000"},
      {"Text4", "16"},
      {"Text7", "16"},
      {"Combo1", "90度"}},
     "Command1",
     0,
     1000 - kCentreHooks + 0.25,
     1,
     10,
     (1000 - kCentreHooks + 0.25) * 2,
     8003},
    {"SideHooks_WorkedExample",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}, {"Text4", "16"}, {"Text7", "16"}},
     "Command3",
     0,
     10,
     1,
     10,
     20,
     101},
};

class HelixTurns : public CadFormTest, public ::testing::WithParamInterface<SweepRow> {};

TEST_P(HelixTurns, FitPointsSweepEveryTurnInEqualSteps) {
    const SweepRow& c = GetParam();
    FormBase* form = open(QString::fromLatin1(c.window));
    typeAll(form, c.inputs);
    click(form, QString::fromLatin1(c.button));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    const auto splines = script.named("addSpline");
    ASSERT_GT(splines.size(), c.spline);
    const RecordedCall& helix = splines[c.spline];
    const int n = splinePointCount(helix);
    ASSERT_EQ(n, c.points);

    const Point3 start = splinePoint(helix, 0);
    EXPECT_NEAR(start.x, c.hand * c.radius, 1e-9);
    EXPECT_NEAR(start.y, 0, 1e-9);
    EXPECT_NEAR(start.z, 0, 1e-9);
    EXPECT_NEAR(splinePoint(helix, n - 1).z, c.top, 1e-7);

    // Each step turns the same signed angle and rises the same height; together they make
    // the turns. The worst deviation is reported, not every point.
    const double step = 2 * 3.1415926535 * c.turns / (n - 1);
    EXPECT_LE(std::abs(step), 2 * M_PI / 8 + 1e-12);
    double swept = 0, worstAngle = 0, worstHeight = 0, worstRadius = 0;
    Point3 previous = start;
    for (int i = 1; i < n; ++i) {
        const Point3 p = splinePoint(helix, i);
        const double cross = previous.x * p.y - previous.y * p.x;
        const double dot = previous.x * p.x + previous.y * p.y;
        const double turned = c.hand * std::atan2(cross, dot);
        swept += turned;
        worstAngle = std::max(worstAngle, std::abs(turned - step));
        worstHeight = std::max(worstHeight, std::abs(p.z - c.top * i / (n - 1)));
        worstRadius = std::max(worstRadius, std::abs(std::hypot(p.x, p.y) - c.radius));
        previous = p;
    }
    EXPECT_NEAR(swept / (2 * 3.1415926535), c.turns, 1e-6);
    EXPECT_LT(worstAngle, 1e-9);
    EXPECT_LT(worstHeight, 1e-7);
    EXPECT_LT(worstRadius, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Helidraw, HelixTurns, ::testing::ValuesIn(kSweeps), caseName<SweepRow>);

} // namespace
