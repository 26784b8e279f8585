// Saved drawings read back with dxflib: entity types and counts, extrusions, arc end points,
// fit points bit for bit, the point of a degenerate spline, the tables.

#include "DxfReader.h"
#include "cad/host/DrawingModel.h"
#include "cad/host/DxfExport.h"
#include "cad/host/SplineFit.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

using namespace host;

void expectNear(Vec3 a, Vec3 b, double tolerance = 1e-9) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

std::vector<Vec3> helix(int count, double radius, double turns, double height) {
    std::vector<Vec3> points;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / (count - 1);
        const double a = 2 * 3.1415926535 * turns * t;
        points.push_back({radius * std::cos(a), radius * std::sin(a), height * t + 0.1 * std::sin(7 * a)});
    }
    return points;
}

class DxfRoundTrip : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("drawing.dxf"); }
};

TEST_F(DxfRoundTrip, EntitiesTablesAndValuesReadBack) {
    DrawingModel m;
    const auto fit = helix(101, 10, 5.5, 34);
    m.addSpline(fit, {}, {});
    m.addSpline(std::vector<Vec3>(101, Vec3{10, 0, 0}), {}, {});
    m.addLine({1, 2, 3}, {4, 5, 6});
    const Id arc = m.addArc({7.9, -2, 19.9}, 2, 0, -848.2293 / 180);
    m.rotate3D(arc, {0, 0, 21.9}, {0, 0, 0}, 0.4);
    m.rotate3D(arc, {10, 0, 19.9}, {10, 8, 19.9}, 1.2);
    m.addUcs({0, 0, 0}, {-8, 0, 0}, {0, 0, -8}, "test");
    const Id ucs = m.addUcs({0, 0, 0}, {8, 0, 0}, {0, 0, 8}, "test");
    m.setActiveUcs(ucs);
    const Id section = m.addCircle({10, 0, 6.8}, 0.98);
    m.addRegion({section});
    m.setViewDirection({-1, -1, 1});

    ASSERT_EQ(saveDxf(m, path()), QString());
    const DxfContents c = readDxf(path());
    ASSERT_TRUE(c.loaded);
    EXPECT_EQ(c.counts,
              (std::map<std::string, int>{
                  {"ARC", 1}, {"CIRCLE", 1}, {"HATCH", 1}, {"LINE", 1}, {"POINT", 1}, {"SPLINE", 1}}));
    EXPECT_EQ(c.insUnits, 4);

    ASSERT_EQ(c.splines.size(), 1u);
    const ReadSpline& s = c.splines[0];
    EXPECT_EQ(s.degree, 3);
    EXPECT_EQ(s.controlPoints.size(), fit.size());
    EXPECT_EQ(s.knots.size(), fit.size() + 4);
    ASSERT_EQ(s.fitPoints.size(), fit.size());
    for (size_t i = 0; i < fit.size(); ++i)
        EXPECT_TRUE(s.fitPoints[i] == fit[i]) << i; // bit for bit

    // The interpolating curve passes through its fit points.
    const BSpline b{s.degree, s.knots, s.controlPoints, s.fitPoints};
    expectNear(evaluate(b, s.knots[3]), fit.front());
    expectNear(evaluate(b, s.knots[s.knots.size() - 4]), fit.back());

    ASSERT_EQ(c.points.size(), 1u);
    expectNear(c.points[0], {10, 0, 0});

    ASSERT_EQ(c.circles.size(), 1u);
    expectNear(c.circles[0].extrusion, {0, -1, 0});
    EXPECT_DOUBLE_EQ(c.circles[0].radius, 0.98);
    expectNear(worldOf(c.circles[0].centre, c.circles[0].extrusion), {10, 0, 6.8});

    // The arc's end points, rebuilt from its object coordinates, match the turned arc.
    ASSERT_EQ(c.arcs.size(), 1u);
    const ReadArc& a = c.arcs[0];
    const Arc& turnedArc = std::get<Arc>(m.entity(arc));
    const auto endAt = [&](double degrees) {
        const double r = degrees * M_PI / 180;
        return worldOf(a.centre + Vec3{a.radius * std::cos(r), a.radius * std::sin(r), 0}, a.extrusion);
    };
    expectNear(endAt(a.startAngle), turnedArc.centre + turnedArc.startDirection * 2);
    expectNear(endAt(a.endAngle), turnedArc.centre + turnedArc.endDirection * 2);

    EXPECT_EQ(c.ucsNames, (std::vector<std::string>{"test"}));
    expectNear(c.viewDirection, {-1, -1, 1});
}

TEST_F(DxfRoundTrip, TenThousandPointsStayFast) {
    DrawingModel m;
    m.addSpline(helix(10000, 20, 200, 400), {}, {});
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(saveDxf(m, path()), QString());
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    EXPECT_LT(ms, 2000);
    const DxfContents c = readDxf(path());
    ASSERT_EQ(c.splines.size(), 1u);
    EXPECT_EQ(c.splines[0].controlPoints.size(), 10000u);
}

} // namespace
