#include "cad/CoilDrawings.h"

#include "cad/DrawingSteps.h"
#include "cad/SpringGeometry.h"
#include "common/CheckedMath.h"

#include <cmath>

namespace cad {

namespace {

constexpr Point3 kZero{0, 0, 0};
constexpr Point3 kCoilView{-1, -1, 1};

} // namespace

double drawnActiveTurns(double Nt) {
    const double whole = std::trunc(Nt);
    const double fraction = Nt - whole;
    return fraction >= 0.5 ? whole + 0.5 : whole;
}

void drawCompression(CadHost& host, const CompressionInputs& in) {
    const double h = handSign(in.hand, HandStyle::CosineFirst);
    const double R = in.MD / 2;
    const double Ntp = drawnActiveTurns(in.Nt);
    const bool half = Ntp - std::trunc(Ntp) == 0.5;
    const double bodyHeight = num::finite(in.H0 - 3 * in.d);
    const double p = num::div(bodyHeight, Ntp);
    const double rs = sectionRadius(in.d);
    const double topZ = num::finite(Ntp * p + in.d);
    // The active turns come in whole and half turns: the largest that draws is a whole or half.
    const int steps = helixSteps(Ntp, std::floor(2 * kMaxHelixTurns) / 2);
    const double degreesPerStep = helixDegreesPerStep(steps), sharePerStep = helixSharePerStep(steps);

    // The closed turns at the top start where the active turns end: half a turn round when
    // the active turns end on a half.
    const double startSign = half ? -1.0 : 1.0;
    const auto top = pointList(100, [&](int i) {
        const double theta = in.N1 * 3.6 * i * kPi / 180;
        return Point3d{startSign * h * R * std::cos(theta), startSign * R * std::sin(theta),
                       i * 0.01 * in.N1 * (in.d + 0.02) + bodyHeight};
    });
    const auto active = pointList(steps, [&](int i) {
        const double theta = Ntp * degreesPerStep * i * kPi / 180;
        return Point3d{h * R * std::cos(theta), R * std::sin(theta), p * sharePerStep * i * Ntp};
    });
    const auto bottom = pointList(100, [&](int i) {
        const double theta = in.N2 * 3.6 * i * kPi / 180;
        return Point3d{h * R * std::cos(theta), -R * std::sin(theta), -0.01 * i * (in.d + 0.02) * in.N2};
    });

    host.addSpline(top, kZero, kZero);
    host.addSpline(active, kZero, kZero);
    host.addSpline(bottom, kZero, kZero);
    sectionUcs(host, {0, 0, 0}, {8, 0, 0}, {0, 0, 8});
    wireSectionUpright(host, {h * R, 0, p}, rs);
    host.addCircle({half ? -h * R : h * R, 0, topZ}, rs);
    host.addCircle({h * R, 0, -in.d}, rs);
    finishView(host, kCoilView);
}

std::vector<double> conicalPoints(const ConicalInputs& in) {
    const double h = handSign(in.hand, HandStyle::SineFirst);
    const double dr = -(num::div(in.OD2 - in.OD1, in.Nt)) / 2;
    const double R2 = (in.OD2 - in.d) / 2;
    const double p = num::div(in.H0 - 3 * in.d, in.Nt);
    const double rs = sectionRadius(in.d);
    const int n = taperedPointCount(in.Nt, in.endTurns ? 2 : 0);
    std::function<double(int)> radius;
    if (in.endTurns) {
        radius = [=](int i) {
            if (i < 50)
                return R2;
            if (i > n - 50)
                return R2 + (n - 100) * dr / 50;
            return R2 + (i - 50) * dr / 50;
        };
    } else {
        radius = [=](int i) { return R2 + i * dr / 50; };
    }
    return taperedHelixPoints(n, radius, rs, p, h);
}

void drawConical(CadHost& host, const ConicalInputs& in) {
    const auto points = conicalPoints(in);
    const double R2 = (in.OD2 - in.d) / 2;
    host.addSpline(points, kZero, kZero);
    wireSectionTurned(host, sectionRadius(in.d), R2);
    host.setVariable(QStringLiteral("Orthomode"), 1);
    finishView(host, kCoilView);
}

std::vector<double> barrelPoints(const BarrelInputs& in) {
    const double h = handSign(in.hand, HandStyle::SineFirst);
    const double r0 = in.barrel ? in.R1 : in.R2;
    const double step = num::div(1.125 * 2 * (in.R2 - in.R1), in.Nt);
    const double q = in.barrel ? step : -step;
    const double p = num::div(in.H0 - 3 * in.d, in.Nt);
    const double rs = sectionRadius(in.d);
    const int n = taperedPointCount(in.Nt, 2);
    // Constant on the end turns, changing by q per turn towards the middle and back.
    const auto radius = [=](int i) {
        if (i < n / 2.0)
            return i < 50 ? r0 : r0 + (i - 50) * q / 50;
        return i > n - 50 ? r0 : r0 + ((n - i) - 50) * q / 50;
    };
    return taperedHelixPoints(n, radius, rs, p, h);
}

void drawBarrel(CadHost& host, const BarrelInputs& in) {
    const auto points = barrelPoints(in);
    const double r0 = in.barrel ? in.R1 : in.R2;
    host.addSpline(points, kZero, kZero);
    wireSectionTurned(host, sectionRadius(in.d), num::finite(r0 - 0.02));
    finishView(host, kCoilView);
}

void drawTorsion(CadHost& host, const TorsionInputs& in) {
    const double h = handSign(in.hand, HandStyle::CosineFirst);
    const double R = in.MD / 2;
    const double rs = sectionRadius(in.d);
    const int steps = helixSteps(in.Nt, kMaxHelixTurns);
    const double degreesPerStep = helixDegreesPerStep(steps), sharePerStep = helixSharePerStep(steps);
    const auto body = pointList(steps, [&](int i) {
        const double theta = in.Nt * degreesPerStep * i * kPi / 180;
        return Point3d{h * R * std::cos(theta), R * std::sin(theta), in.Nt * i * in.t * sharePerStep};
    });
    host.addSpline(body, kZero, kZero);
    sectionUcs(host, {0, 0, 0}, {8, 0, 0}, {0, 0, 8});
    wireSectionUpright(host, {h * R, 0, in.t}, rs);
    // The side circles stand on +x whatever the hand.
    for (int k = 1; k <= 6; ++k)
        host.addCircle({R + 4, 0, num::finite(4 * in.t + k)}, rs);
    host.setVariable(QStringLiteral("Orthomode"), 1);
    finishView(host, kCoilView);
}

} // namespace cad
