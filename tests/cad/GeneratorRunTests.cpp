// Drawing runs through the input windows against the recording host: the calls each kind of
// spring sends, the connection's preparing calls, and the key values of worked examples.

#include "CadFormTest.h"
#include "cad/SpringGeometry.h"
#include "support/WindowCases.h"

#include <cmath>
#include <functional>

namespace {

using hostproto::Point3;

// How many calls of each kind a run makes.
struct Profile {
    int splines, arcs, lines, circles, regions, ucs, moves, turns, angles;
};

Profile profileOf(const HostScript& s) {
    return {s.count("addSpline"), s.count("addArc"),    s.count("addLine"),
            s.count("addCircle"), s.count("addRegion"), s.count("addUcs"),
            s.count("move"),      s.count("rotate3D"),  s.count("angleFromXAxis")};
}

std::string text(const Profile& p) {
    return std::to_string(p.splines) + "/" + std::to_string(p.arcs) + "/" + std::to_string(p.lines) + "/" +
           std::to_string(p.circles) + "/" + std::to_string(p.regions) + "/" + std::to_string(p.ucs) + "/" +
           std::to_string(p.moves) + "/" + std::to_string(p.turns) + "/" + std::to_string(p.angles);
}

void expectNear(Point3 actual, Point3 expected, double tolerance = 1e-7) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

double radiusOf(Point3 p) {
    return std::hypot(p.x, p.y);
}

// The turns about the downward spring axis (0, 0, T + d) → (0, 0, 0): the hook-angle turns.
QList<double> axisTurns(const HostScript& s, double top) {
    QList<double> angles;
    for (const RecordedCall& c : s.named("rotate3D"))
        if (pointArg(c, 1) == Point3{0, 0, top} && pointArg(c, 2) == Point3{0, 0, 0})
            angles.append(c.args.at(3).toDouble());
    return angles;
}

struct RunCase {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    const char* button;
    std::string profile;
    bool orthomode;
    std::function<void(const HostScript&)> check;
};

const RunCase kRuns[] = {
    {"Compression_Nt5_3",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.3"}, {"Text4", "40"}},
     "Command3",
     "3/0/0/3/1/1/0/0/0",
     false,
     [](const HostScript& s) {
         const auto splines = s.named("addSpline");
         expectNear(splinePoint(splines[0], 0), {10, 0, 34});
         // Active turns: 5 turns at pitch 34/5, ending at H0 − 3d.
         expectNear(splinePoint(splines[1], 100), {10, 0, 34});
         expectNear(splinePoint(splines[2], 100), {10, 0, -2.02});
         const auto circles = s.named("addCircle");
         expectNear(pointArg(circles[0], 0), {10, 0, 6.8});
         EXPECT_DOUBLE_EQ(circles[0].args.at(1).toDouble(), 0.98);
         expectNear(pointArg(circles[1], 0), {10, 0, 36});
         expectNear(pointArg(circles[2], 0), {10, 0, -2});
         const auto ucs = s.named("addUcs");
         EXPECT_EQ(pointArg(ucs[0], 1), (Point3{8, 0, 0}));
         EXPECT_EQ(pointArg(ucs[0], 2), (Point3{0, 0, 8}));
         EXPECT_EQ(ucs[0].args.at(3).toString(), QStringLiteral("test"));
         EXPECT_EQ(pointArg(s.named("setViewDirection")[0], 0), (Point3{-1, -1, 1}));
     }},
    {"Compression_Nt5_5",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}},
     "Command3",
     "3/0/0/3/1/1/0/0/0",
     false,
     [](const HostScript& s) {
         const auto splines = s.named("addSpline");
         expectNear(splinePoint(splines[0], 0), {-10, 0, 34});
         expectNear(splinePoint(splines[1], 100), {-10, 0, 34});
         expectNear(pointArg(s.named("addCircle")[1], 0), {-10, 0, 36});
     }},
    {"Compression_Nt5_7_LeftHand",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.7"}, {"Text4", "40"}, {"Combo1", "左旋"}},
     "Command3",
     "3/0/0/3/1/1/0/0/0",
     false,
     [](const HostScript& s) {
         const auto splines = s.named("addSpline");
         expectNear(splinePoint(splines[0], 0), {10, 0, 34});
         expectNear(splinePoint(splines[1], 0), {-10, 0, 0});
         // Left hand: the right-hand helix mirrored in the plane x = 0.
         const double theta = 5.5 * 3.6 * 10 * 3.1415926535 / 180;
         expectNear(splinePoint(splines[1], 10),
                    {-10 * std::cos(theta), 10 * std::sin(theta), 34 / 5.5 * 0.1 * 5.5});
         expectNear(pointArg(s.named("addCircle")[2], 0), {-10, 0, -2});
     }},
    {"Conical_EndTurns_Nt5",
     "CadConicalForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text4", "5"}, {"Text7", "50"}},
     "Command3",
     "1/0/0/1/1/0/0/1/0",
     true,
     [](const HostScript& s) {
         const auto spline = s.named("addSpline")[0];
         ASSERT_EQ(splinePointCount(spline), 351);
         for (int i : {0, 25, 49})
             EXPECT_NEAR(radiusOf(splinePoint(spline, i)), 19, 1e-9) << i;
         for (int i : {301, 330, 350})
             EXPECT_NEAR(radiusOf(splinePoint(spline, i)), 9, 1e-9) << i;
         EXPECT_NEAR(splinePoint(spline, 350).z, 50 - 2 - 0.08, 1e-9);
         expectNear(splinePoint(spline, 0), {0, 19, 0});
         // The section: flat at the origin, stood upright, moved to the helix's start.
         const auto turn = s.named("rotate3D")[0];
         EXPECT_EQ(pointArg(turn, 1), (Point3{0, -5, 0}));
         EXPECT_EQ(turn.args.at(3).toDouble(), -3.1415926535 / 2);
         EXPECT_EQ(pointArg(s.named("setCenter")[0], 1), (Point3{0, 19, 0}));
         EXPECT_EQ(s.count("update"), 1);
         EXPECT_EQ(s.count("release"), 1);
     }},
    {"Conical_EndTurns_Nt5_25_HalfToEven",
     "CadConicalForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text4", "5.25"}, {"Text7", "50"}},
     "Command3",
     "1/0/0/1/1/0/0/1/0",
     true,
     [](const HostScript& s) { EXPECT_EQ(splinePointCount(s.named("addSpline")[0]), 363); }},
    {"Conical_NoEndTurns_Nt5",
     "CadConicalForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text4", "5"}, {"Text7", "50"}},
     "Command1",
     "1/0/0/1/1/0/0/1/0",
     true,
     [](const HostScript& s) {
         const auto spline = s.named("addSpline")[0];
         ASSERT_EQ(splinePointCount(spline), 251);
         const double p = 44.0 / 5, rs = 0.98;
         EXPECT_NEAR(splinePoint(spline, 250).z, 3 * p + 4 * rs, 1e-9);
         EXPECT_NEAR(radiusOf(splinePoint(spline, 250)), 9, 1e-9);
     }},
    {"Barrel_Point200",
     "CadBarrelForm",
     {{"Text1", "2"}, {"Text2", "10"}, {"Text3", "20"}, {"Text4", "6"}, {"Text7", "50"}},
     "Command3",
     "1/0/0/1/1/0/0/1/0",
     false,
     [](const HostScript& s) {
         const auto spline = s.named("addSpline")[0];
         ASSERT_EQ(splinePointCount(spline), 401);
         EXPECT_NEAR(radiusOf(splinePoint(spline, 200)), 21.25, 1e-9);
         for (int i : {0, 49, 351, 400})
             EXPECT_NEAR(radiusOf(splinePoint(spline, i)), 10, 1e-9) << i;
         EXPECT_EQ(pointArg(s.named("setCenter")[0], 1), (Point3{0, 10 - 0.02, 0}));
     }},
    {"Hourglass_Point200",
     "CadBarrelForm",
     {{"Text1", "2"}, {"Text2", "10"}, {"Text3", "20"}, {"Text4", "6"}, {"Text7", "50"}},
     "Command1",
     "1/0/0/1/1/0/0/1/0",
     false,
     [](const HostScript& s) {
         const auto spline = s.named("addSpline")[0];
         EXPECT_NEAR(radiusOf(splinePoint(spline, 200)), 8.75, 1e-9);
         EXPECT_NEAR(radiusOf(splinePoint(spline, 0)), 20, 1e-9);
     }},
    {"Torsion",
     "CadTorsionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5"}, {"Text4", "3"}, {"Combo1", "左旋"}},
     "Command3",
     "1/0/0/7/1/1/0/0/0",
     true,
     [](const HostScript& s) {
         const auto spline = s.named("addSpline")[0];
         expectNear(splinePoint(spline, 0), {-10, 0, 0});
         expectNear(splinePoint(spline, 100), {-10, 0, 15});
         const auto circles = s.named("addCircle");
         expectNear(pointArg(circles[0], 0), {-10, 0, 3});
         // The side circles stand on +x whatever the hand.
         for (int k = 1; k <= 6; ++k)
             expectNear(pointArg(circles[k], 0), {14, 0, 12.0 + k});
     }},
    {"SideHooks_0",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}, {"Text4", "16"}, {"Text7", "16"}},
     "Command3",
     "3/0/0/3/0/1/2/2/0",
     false,
     [](const HostScript& s) {
         const auto body = s.named("addSpline")[0];
         expectNear(splinePoint(body, 100), {10, 0, 20});
         EXPECT_TRUE(axisTurns(s, 22).isEmpty());
         const auto ucs = s.named("addUcs")[0];
         EXPECT_EQ(pointArg(ucs, 1), (Point3{-8, 0, 0}));
         EXPECT_EQ(pointArg(ucs, 2), (Point3{0, 0, -8}));
         expectNear(pointArg(s.named("addCircle")[2], 0), {12, 0, 22});
         EXPECT_EQ(pointArg(s.named("move")[0], 2), (Point3{2, 0, 0}));
         EXPECT_EQ(pointArg(s.named("setViewDirection")[0], 0), (Point3{-1, 1, 1}));
     }},
    {"SideHooks_90",
     "CadExtensionForm",
     {{"Text1", "2"},
      {"Text2", "20"},
      {"Text3", "10.6"},
      {"Text4", "16"},
      {"Text7", "16"},
      {"Combo1", "90度"}},
     "Command3",
     "3/0/0/3/0/1/2/3/0",
     false,
     [](const HostScript& s) {
         expectNear(splinePoint(s.named("addSpline")[0], 100), {0, 10, 20.5});
         EXPECT_EQ(axisTurns(s, 22.5), (QList<double>{-3.1415926535 / 2}));
     }},
    {"CentreHooks_0",
     "CadExtensionForm",
     {{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}},
     "Command1",
     "3/2/2/7/0/1/5/10/2",
     false,
     [](const HostScript& s) {
         const double k = 2 / 3.1415926535 / 10;
         EXPECT_NEAR(k, 0.0636620, 1e-7);
         const double T = (10 - k) * 1;
         EXPECT_NEAR(T, 9.936338, 1e-6);
         const auto body = s.named("addSpline")[0];
         EXPECT_NEAR(splinePoint(body, 100).z, T, 1e-12);
         // Lower group and upper group both turned by g = 0.2.
         EXPECT_EQ(axisTurns(s, T + 1), (QList<double>{0.2, 0.2, 0.2, 0.2, 0.2, 0.2}));
         const auto arcs = s.named("addArc");
         expectNear(pointArg(arcs[1], 0), {5 - 1 - 0.1, -1, T}, 1e-12);
         EXPECT_EQ(arcs[1].args.at(3).toDouble(), -848.2293 / 180);
     }},
    {"CentreHooks_90",
     "CadExtensionForm",
     {{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}, {"Combo1", "90度"}},
     "Command1",
     "3/2/2/7/0/1/5/10/2",
     false,
     [](const HostScript& s) {
         const double T = (10 - 2 / 3.1415926535 / 10 + 0.25) * 1;
         EXPECT_NEAR(T, 10.186338, 1e-6);
         const double turn = -(3.1415926535 / 2 - 0.2);
         EXPECT_EQ(axisTurns(s, T + 1), (QList<double>{0.2, 0.2, 0.2, turn, turn, turn}));
     }},
    {"CentreHooks_TrailingBlank",
     "CadExtensionForm",
     {{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}, {"Combo1", "0度 "}},
     "Command1",
     "3/2/2/7/0/1/5/7/2",
     false,
     [](const HostScript& s) {
         EXPECT_NEAR(splinePoint(s.named("addSpline")[0], 100).z, 10.3, 1e-12);
         EXPECT_EQ(axisTurns(s, 11.3), (QList<double>{0.2, 0.2, 0.2}));
     }},
    {"CentreAndSide_0",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}, {"Text4", "16"}, {"Text7", "16"}},
     "Command2",
     "3/1/1/7/0/1/2/3/0",
     false,
     [](const HostScript& s) {
         const double k = 2 / 3.1415926535 / 20;
         EXPECT_NEAR(k, 0.0318310, 1e-7);
         const double T = (10 - k) * 2;
         EXPECT_NEAR(T, 19.936338, 1e-6);
         expectNear(pointArg(s.named("addArc")[0], 0), {7.9, -2, T}, 1e-12);
         const auto circles = s.named("addCircle");
         const double heights[] = {2, 10, 12, 14, 16, 18, 20};
         for (int i = 0; i < 7; ++i)
             expectNear(pointArg(circles[i], 0), {14, 0, heights[i]});
         EXPECT_DOUBLE_EQ(circles[0].args.at(1).toDouble(), 0.98);
         EXPECT_EQ(pointArg(s.named("rotate3D")[0], 2), (Point3{11, 8, -0.5}));
     }},
    {"CentreAndSide_270",
     "CadExtensionForm",
     {{"Text1", "2"},
      {"Text2", "20"},
      {"Text3", "10.6"},
      {"Text4", "16"},
      {"Text7", "16"},
      {"Combo1", "270度"}},
     "Command2",
     "3/1/1/7/0/1/2/6/0",
     false,
     [](const HostScript& s) {
         const double T = (10 - 2 / 3.1415926535 / 20 + 0.75) * 2;
         const double q = 3.1415926535 / 2;
         EXPECT_EQ(axisTurns(s, T + 2), (QList<double>{q, q, q}));
     }},
    {"German_0",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}},
     "Command4",
     "1/4/0/5/0/0/2/6/8",
     false,
     [](const HostScript& s) {
         const double T = (10 - 4 / 3.1415926535 / 20) * 2;
         EXPECT_NEAR(T, 19.872676, 1e-6);
         EXPECT_EQ(axisTurns(s, T + 2), (QList<double>{0.4, 0.4}));
         const auto arcs = s.named("addArc");
         EXPECT_DOUBLE_EQ(arcs[0].args.at(1).toDouble(), 2);  // bend radius d
         EXPECT_DOUBLE_EQ(arcs[1].args.at(1).toDouble(), 10); // loop radius MD/2
         // Angles are passed as the host gave them: B→A straight down, B→C along +x.
         EXPECT_DOUBLE_EQ(arcs[0].args.at(2).toDouble(), 3 * M_PI / 2);
         EXPECT_DOUBLE_EQ(arcs[0].args.at(3).toDouble(), 0);
         EXPECT_DOUBLE_EQ(arcs[1].args.at(3).toDouble(), M_PI);
         const auto circles = s.named("addCircle");
         for (int i = 0; i < 5; ++i)
             expectNear(pointArg(circles[i], 0), {14, 0, 10.0 + 2 * i});
     }},
    {"German_90",
     "CadExtensionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}, {"Combo1", "90度"}},
     "Command4",
     "1/4/0/5/0/0/2/6/8",
     false,
     [](const HostScript& s) {
         const double T = (10 - 4 / 3.1415926535 / 20 + 0.25) * 2;
         const double turn = -(3.1415926535 / 2 - 0.4);
         EXPECT_NEAR(turn, -1.17079632675, 1e-15);
         EXPECT_EQ(axisTurns(s, T + 2), (QList<double>{turn, turn}));
     }},
};

class GeneratorRun : public CadFormTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(GeneratorRun, SendsTheCallsOfItsSpring) {
    const RunCase& c = GetParam();
    FormBase* form = open(QString::fromLatin1(c.window));
    typeAll(form, c.inputs);
    click(form, QString::fromLatin1(c.button));
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    EXPECT_EQ(text(profileOf(script)), c.profile);
    EXPECT_EQ(form->text("Label10"), QStringLiteral("已连接"));
    EXPECT_TRUE(form->isMinimized());

    // The connection's preparing calls come first, in order.
    QStringList expected = {"hello"};
    if (QString::fromLatin1(c.window) == "CadCompressionForm")
        expected << "setWindowState";
    expected << "setVisible"
             << "sendCommand"
             << "sendCommand"
             << "sendCommand"
             << "sendCommand"
             << "setVariable";
    QStringList first;
    for (int i = 0; i < expected.size() && i < script.calls.size(); ++i)
        first << script.calls[i].call;
    EXPECT_EQ(first, expected);
    QStringList commands;
    for (const RecordedCall& r : script.named("sendCommand"))
        commands << r.args.at(0).toString();
    EXPECT_EQ(commands, (QStringList{"dimaunit 1 ", "angdir 1 ", "angbase 270d ", "osmode 559 "}));
    const auto variables = script.named("setVariable");
    EXPECT_EQ(variables[0].args.at(0).toString(), QStringLiteral("pdmode"));
    EXPECT_EQ(variables[0].args.at(1).toInteger(), 35);
    const bool orthomode = std::any_of(variables.begin(), variables.end(), [](const RecordedCall& r) {
        return r.args.at(0).toString() == QStringLiteral("Orthomode") && r.args.at(1).toInteger() == 1;
    });
    EXPECT_EQ(orthomode, c.orthomode);
    if (QString::fromLatin1(c.window) == "CadCompressionForm") {
        EXPECT_EQ(script.named("setWindowState")[0].args.at(0).toInteger(), 3);
    } else {
        EXPECT_EQ(script.count("setWindowState"), 0);
    }

    // Every drawing ends with the view: direction, viewport applied, whole drawing shown.
    ASSERT_GE(script.calls.size(), 3);
    EXPECT_EQ(script.calls[script.calls.size() - 3].call, QStringLiteral("setViewDirection"));
    EXPECT_EQ(script.calls[script.calls.size() - 2].call, QStringLiteral("applyViewport"));
    EXPECT_EQ(script.calls.last().call, QStringLiteral("zoomExtents"));
    c.check(script);
}

INSTANTIATE_TEST_SUITE_P(Helidraw, GeneratorRun, ::testing::ValuesIn(kRuns), caseName<RunCase>);

} // namespace
