// The host's drawing without a socket: turns, arcs, angles, coordinate systems, circle
// normals and the calls it refuses.

#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"
#include "cad/protocol/HostMessages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace host;

void expectNear(Vec3 a, Vec3 b, double tolerance = 1e-9) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

TEST(DrawingModel, TurnAboutTheDownwardAxisIsClockwiseSeenFromAbove) {
    DrawingModel m;
    const double T = 9.936338, d = 1;
    const Id line = m.addLine({4.9, -1, T}, {0, 0, T});
    m.rotate3D(line, {0, 0, T + d}, {0, 0, 0}, 0.2);
    const Line& l = std::get<Line>(m.entity(line));
    expectNear(l.start, {4.60366, -1.95354, T}, 1e-5);
    expectNear(l.end, {0, 0, T});
}

TEST(DrawingModel, TurnMovesCentresNormalsAndDirections) {
    DrawingModel m;
    const Id circle = m.addCircle({0, 0, 0}, 0.98);
    m.rotate3D(circle, {0, -5, 0}, {0, 5, 0}, -3.1415926535 / 2);
    m.setCenter(circle, {0, 19, 0});
    const Circle& c = std::get<Circle>(m.entity(circle));
    // Stood upright into the plane x = 0: its normal lies along x.
    expectNear(c.normal, {-1, 0, 0}, 1e-9);
    expectNear(c.centre, {0, 19, 0});
}

TEST(DrawingModel, ArcAnglesAreTakenModTwoPi) {
    DrawingModel m;
    const Arc& a = std::get<Arc>(m.entity(m.addArc({1, 2, 3}, 2, 0, -848.2293 / 180)));
    expectNear(a.startDirection, {1, 0, 0});
    // −4.712385 is a quarter turn short of a whole turn backwards: the end lies on +y.
    expectNear(a.endDirection, {0, 1, 0}, 1e-5);
    expectNear(a.normal, {0, 0, 1});
}

TEST(DrawingModel, AngleFromXAxisInAllQuadrants) {
    const Vec3 o{1, 1, 5};
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis(o, {2, 2, 0}), M_PI / 4);
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis(o, {0, 2, 0}), 3 * M_PI / 4);
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis(o, {0, 0, 0}), 5 * M_PI / 4);
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis(o, {2, 0, 0}), 7 * M_PI / 4);
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis(o, {1, 0, 0}), 3 * M_PI / 2);
    EXPECT_EQ(DrawingModel::angleFromXAxis(o, {1, 1, 9}), 0);
}

TEST(DrawingModel, BothSectionSystemsHaveZAlongMinusY) {
    DrawingModel m;
    m.addUcs({0, 0, 0}, {8, 0, 0}, {0, 0, 8}, "test");
    expectNear(m.activeNormal(), {0, -1, 0});
    m.addUcs({0, 0, 0}, {-8, 0, 0}, {0, 0, -8}, "test");
    expectNear(m.activeNormal(), {0, -1, 0});
    // "test" may be added again and again.
    EXPECT_EQ(m.ucsTable().size(), 2u);
}

TEST(DrawingModel, CircleNormalFollowsTheActiveSystem) {
    DrawingModel m;
    const Id flat = m.addCircle({0, 0, 0}, 1);
    expectNear(std::get<Circle>(m.entity(flat)).normal, {0, 0, 1});
    const Id ucs = m.addUcs({0, 0, 0}, {8, 0, 0}, {0, 0, 8}, "test");
    m.setActiveUcs(ucs);
    const Id upright = m.addCircle({10, 0, 6.8}, 0.98);
    expectNear(std::get<Circle>(m.entity(upright)).normal, {0, -1, 0});
    m.setActiveUcs(0);
    expectNear(std::get<Circle>(m.entity(m.addCircle({0, 0, 0}, 1))).normal, {0, 0, 1});
}

TEST(DrawingModel, VariablesDoNotTouchGeometry) {
    DrawingModel m;
    m.sendCommand("angdir 1 ");
    m.sendCommand("angbase 270d ");
    m.sendCommand("zoom e ");
    m.setVariable("PDMODE", 35);
    EXPECT_EQ(m.variable("angbase"), "270d");
    EXPECT_EQ(m.variable("pdmode"), "35");
    EXPECT_TRUE(m.variable("zoom").isEmpty());
    const Arc& a = std::get<Arc>(m.entity(m.addArc({0, 0, 0}, 1, 0, M_PI / 2)));
    expectNear(a.endDirection, {0, 1, 0});
    EXPECT_DOUBLE_EQ(DrawingModel::angleFromXAxis({0, 0, 0}, {0, 1, 0}), M_PI / 2);
}

// Calls through the message layer, so argument checks are covered too.
struct Refusal {
    const char* name;
    const char* call;
    std::function<QCborArray()> args;
};

TEST(HostCalls, RefusesWithAnErrorText) {
    DrawingModel m;
    HostCalls calls(m);
    const auto p = [](double x, double y, double z) { return hostproto::Point3{x, y, z}.toCbor(); };
    const Refusal rows[] = {
        {"EmptyPointList", "addSpline",
         [&] {
             return QCborArray{QCborArray{}, p(0, 0, 0), p(0, 0, 0)};
         }},
        {"NonFinite", "addCircle",
         [&] {
             return QCborArray{p(NAN, 0, 0), 1.0};
         }},
        {"ZeroRadius", "addCircle",
         [&] {
             return QCborArray{p(0, 0, 0), 0.0};
         }},
        {"NegativeRadius", "addArc",
         [&] {
             return QCborArray{p(0, 0, 0), -0.02, 0.0, 1.0};
         }},
        {"UnknownId", "move",
         [&] {
             return QCborArray{qint64(99), p(0, 0, 0), p(1, 0, 0)};
         }},
        {"ZeroAxis", "rotate3D",
         [&] {
             return QCborArray{qint64(1), p(1, 1, 1), p(1, 1, 1), 1.0};
         }},
        {"RegionOfALine", "addRegion", [&] { return QCborArray{QCborArray{qint64(1)}}; }},
        {"UnknownCall", "explode", [&] { return QCborArray{}; }},
        {"WindowStateBeyondAnInteger", "setWindowState", [&] { return QCborArray{1e308}; }},
        {"FractionalWindowState", "setWindowState", [&] { return QCborArray{2.5}; }},
        {"VariableBeyondSixteenBits", "setVariable",
         [&] {
             return QCborArray{QStringLiteral("N"), 40000.0};
         }},
        {"PointListNotTriples", "addSpline",
         [&] {
             return QCborArray{QCborArray{1.0, 2.0}, p(0, 0, 0), p(0, 0, 0)};
         }},
    };
    m.addLine({0, 0, 0}, {1, 0, 0}); // id 1
    for (const Refusal& r : rows) {
        const QCborMap reply = calls.handle(hostproto::request(QString::fromLatin1(r.call), r.args()));
        EXPECT_FALSE(reply.value(QStringLiteral("ok")).toBool()) << r.name;
        EXPECT_FALSE(reply.value(QStringLiteral("error")).toString().isEmpty()) << r.name;
    }
    EXPECT_EQ(m.order().size(), 1u);
}

TEST(HostCalls, CoincidingSplinePointsAreAccepted) {
    DrawingModel m;
    HostCalls calls(m);
    QCborArray points;
    for (int i = 0; i < 101; ++i)
        points << 3.0 << 0.0 << 0.0;
    const QCborMap reply = calls.handle(hostproto::request(
        "addSpline", {points, hostproto::Point3{}.toCbor(), hostproto::Point3{}.toCbor()}));
    EXPECT_TRUE(reply.value(QStringLiteral("ok")).toBool());
    EXPECT_TRUE(reply.value(QStringLiteral("result")).isInteger());
}

} // namespace
