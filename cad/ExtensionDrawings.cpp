#include "cad/ExtensionDrawings.h"

#include "cad/DrawingSteps.h"
#include "cad/SpringGeometry.h"
#include "common/CheckedMath.h"

#include <cmath>
#include <functional>
#include <optional>

namespace cad {

namespace {

constexpr Point3 kZero{0, 0, 0};
constexpr Point3 kExtensionView{-1, 1, 1};

// The hook turns of the side and centre hooks: a helix of the hook's turns at pitch d.
// Heights come as each hook writes them, so the values match the old drawings bit for bit.
std::vector<double> hookPoints(double turns, double meanDiameter, double ySign,
                               const std::function<double(int)>& height) {
    return pointList(100, [&](int i) {
        const double phi = turns * 3.6 * i * kPi / 180;
        return Point3d{std::cos(phi) * meanDiameter / 2, std::sin(phi) * ySign * meanDiameter / 2, height(i)};
    });
}

// The turn of the upper hook about the downward spring axis, by hook-angle row.
std::optional<double> upperTurn(const QString& text, const double (&angles)[4], const bool (&turns)[4]) {
    const int row = hookAngleRow(text);
    if (row < 0 || !turns[row])
        return std::nullopt;
    return angles[row];
}

void turnAboutAxis(CadHost& host, std::initializer_list<EntityId> entities, double T, double d,
                   double angle) {
    for (EntityId e : entities)
        host.rotate3D(e, {0, 0, T + d}, {0, 0, 0}, angle);
}

// The arc about `centre` from the direction of `start` to that of `end`, its radius measured
// in the xy plane, the angles asked of the host.
EntityId arcThrough(CadHost& host, Point3 centre, Point3 start, Point3 end) {
    const double startAngle = host.angleFromXAxis(centre, start);
    const double endAngle = host.angleFromXAxis(centre, end);
    const double radius = num::sqrt(std::pow(start.x - centre.x, 2) + std::pow(start.y - centre.y, 2));
    return host.addArc(centre, radius, startAngle, endAngle);
}

} // namespace

std::vector<double> extensionBodyPoints(double d, double MD, double drawnTurns, double largestTyped) {
    const int steps = helixSteps(drawnTurns, largestTyped);
    const double degreesPerStep = helixDegreesPerStep(steps), sharePerStep = helixSharePerStep(steps);
    return pointList(steps, [&](int i) {
        const double theta = drawnTurns * degreesPerStep * i * kPi / 180;
        return Point3d{std::cos(theta) * MD / 2, std::sin(theta) * MD / 2, d * sharePerStep * i * drawnTurns};
    });
}

void drawSideHooks(CadHost& host, const ExtensionInputs& in) {
    const double d = in.d, MD = in.MD;
    const double Np = hookAngleOffset(in.Nt, 0, in.hookAngle);
    const double T = num::finite(Np * d);
    const double rs = sectionRadius(d);
    const auto body = extensionBodyPoints(d, MD, Np, largestHookAngleTurns(0, in.hookAngle));
    const auto lower = hookPoints(in.LoT, in.LoMD, -1, [&](int i) { return i * (-0.01) * d * in.LoT; });
    const auto upper = hookPoints(in.UpT, in.UpMD, 1, [&](int i) { return i * 0.01 * in.UpT * d + T; });

    host.addSpline(body, kZero, kZero);
    sectionUcs(host, {0, 0, 0}, {-8, 0, 0}, {0, 0, -8});
    for (double z : {d, 4 * d, (Np + 1) * d})
        host.addCircle({MD / 2 + 2, 0, num::finite(z)}, rs);

    const EntityId lo = host.addSpline(lower, kZero, kZero);
    host.move(lo, {0, 0, 0}, {(in.LoMD - MD) * (-1) / 2, 0, 0});
    host.rotate3D(lo, {MD / 2, 0, 0}, {MD / 2, 8, -0.5}, -kPi / 2);
    const EntityId up = host.addSpline(upper, kZero, kZero);
    host.move(up, {0, 0, T}, {(in.UpMD - MD) * (-1) / 2, 0, T});
    host.rotate3D(up, {MD / 2, 0, T}, {MD / 2, 8, T}, kPi / 2);

    if (const auto turn =
            upperTurn(in.hookAngle, {0, -kPi / 2, -kPiFromTwoPi, kPi / 2}, {false, true, true, true}))
        turnAboutAxis(host, {up}, T, d, *turn);
    finishView(host, kExtensionView);
}

void drawCentreHooks(CadHost& host, const ExtensionInputs& in) {
    const double d = in.d, MD = in.MD;
    const double k = num::div(num::div(d + d, kPi), MD);
    const double Np = hookAngleOffset(in.Nt, k, in.hookAngle);
    const double T = num::finite(Np * d);
    const double g = num::div(d + d, MD);
    const double dOverMD = num::div(d, MD);
    const double rs = sectionRadius(d);
    const auto body = extensionBodyPoints(d, MD, Np, largestHookAngleTurns(k, in.hookAngle));
    const auto lowerLoop = hookPoints(in.LoT, in.LoMD, -1, [&](int i) { return i * 0.01 * d * in.LoT; });
    const auto upperLoop =
        hookPoints(in.UpT, in.UpMD, 1, [&](int i) { return i * 0.01 * in.UpT * d + T + d; });

    host.addSpline(body, kZero, kZero);

    // Lower hook: bend arc, crossover line to the axis, loop hanging under the body.
    const EntityId a1 = arcThrough(host, {MD / 2 - d, 0, 0}, {MD / 2 - d, -d, 0}, {MD / 2, 0, 0});
    host.move(a1, {0, 0, -d}, {-dOverMD, d, -d});
    const EntityId l1 = host.addLine({MD / 2 - d - dOverMD, 0, 0}, {0, 0, 0});
    host.update(l1);
    const EntityId s1 = host.addSpline(lowerLoop, kZero, kZero);
    host.rotate3D(s1, {0, 0, T}, {0, 0, 0}, kPi / 2);
    host.move(s1, {0, 0, 0}, {0, in.LoMD / 2, 0});
    host.rotate3D(s1, {0, 0, 0}, {8, 0, 0}, -kPi / 2);
    turnAboutAxis(host, {s1, l1, a1}, T, d, g);

    // Upper hook: loop, bend arc and crossover line, stood up over the body.
    const EntityId s2 = host.addSpline(upperLoop, kZero, kZero);
    const EntityId a2 = host.addArc({MD / 2 - d - dOverMD, -d, T}, d, 0, kQuarterBendEnd);
    host.update(a2);
    const EntityId l2 = host.addLine({MD / 2 - d - dOverMD, 0, T}, {0, 0, T});
    host.update(l2);
    host.rotate3D(s2, {0, 0, T}, {0, 0, 0}, -kPi / 2);
    host.move(s2, {0, 0, T}, {0, in.UpMD / 2, T});
    host.rotate3D(s2, {-d / 2, 0, T}, {8, 0, T}, -kPi / 2);
    host.move(s2, {0, 0, T}, {0, 0, T + in.UpMD});
    host.move(s2, {0, 0, T + in.UpMD}, {0, -d, T + in.UpMD});

    if (const auto turn = upperTurn(in.hookAngle, {g, -(kPi / 2 - g), -(kPiFromTwoPi - g), g + kPi / 2},
                                    {true, true, true, true}))
        turnAboutAxis(host, {s2, a2, l2}, T, d, *turn);

    sectionUcs(host, {0, 0, 0}, {-8, 0, 0}, {0, 0, -8});
    host.addCircle({MD / 2 + 4, 0, d}, rs);
    for (int j = 1; j <= 6; ++j)
        host.addCircle({MD / 2 + 4, 0, num::finite(j * 2 + d * 4)}, rs);
    finishView(host, kExtensionView);
}

void drawCentreAndSideHook(CadHost& host, const ExtensionInputs& in) {
    const double d = in.d, MD = in.MD;
    const double k = num::div(num::div(d, kPi), MD);
    const double Np = hookAngleOffset(in.Nt, k, in.hookAngle);
    const double T = num::finite(Np * d);
    const double dOverMD = num::div(d, MD);
    const double rs = sectionRadius(d);
    const auto body = extensionBodyPoints(d, MD, Np, largestHookAngleTurns(k, in.hookAngle));
    const auto lower = hookPoints(in.LoT, in.LoMD, -1, [&](int i) { return i * (-0.01) * d * in.LoT; });
    const auto upper =
        hookPoints(in.UpT, in.UpMD, 1, [&](int i) { return i * (-0.01) * in.UpT * d + T + d; });

    host.addSpline(body, kZero, kZero);

    // Lower side hook; its turning axis leans 1 unit outwards.
    const EntityId lo = host.addSpline(lower, kZero, kZero);
    host.move(lo, {0, 0, 0}, {(in.LoMD - MD) * (-1) / 2, 0, 0});
    host.rotate3D(lo, {MD / 2, 0, 0}, {MD / 2 + 1, 8, -0.5}, -kPi / 2);

    // Upper centre hook.
    const EntityId up = host.addSpline(upper, kZero, kZero);
    const EntityId arc = host.addArc({MD / 2 - d - dOverMD, -d, T}, d, 0, kQuarterBendEnd);
    host.update(arc);
    const EntityId line = host.addLine({MD / 2 - d - dOverMD, 0, T}, {0, 0, T});
    host.update(line);
    host.rotate3D(up, {0, 0, T}, {0, 0, 0}, kPi / 2);
    host.move(up, {0, 0, T}, {0, in.UpMD / 2, T});
    host.rotate3D(up, {-d / 2, 0, T}, {8, 0, T}, kPi / 2);

    if (const auto turn =
            upperTurn(in.hookAngle, {0, -kPi / 2, -kPiFromTwoPi, kPi / 2}, {false, true, true, true}))
        turnAboutAxis(host, {up, arc, line}, T, d, *turn);

    sectionUcs(host, {0, 0, 0}, {-8, 0, 0}, {0, 0, -8});
    host.addCircle({MD / 2 + 4, 0, d}, rs);
    for (int i = 1; i <= 6; ++i)
        host.addCircle({MD / 2 + 4, 0, num::finite(2 * i + 4 * d)}, rs);
    finishView(host, kExtensionView);
}

void drawGermanHooks(CadHost& host, const ExtensionInputs& in) {
    const double d = in.d, MD = in.MD;
    const double k = num::div(num::div(d + d, kPi), MD);
    const double Np = hookAngleOffset(in.Nt, k, in.hookAngle);
    const double T = num::finite(Np * d);
    const double bendBack = num::div(4 * d, MD);
    const double rs = sectionRadius(d);
    const auto body = extensionBodyPoints(d, MD, Np, largestHookAngleTurns(k, in.hookAngle));

    host.addSpline(body, kZero, kZero);

    const EntityId lowerBend = arcThrough(host, {MD / 2 - d, 0, 0}, {MD / 2 - d, -d, 0}, {MD / 2, 0, 0});
    host.rotate3D(lowerBend, {MD / 2, 0, 0}, {MD / 2, 8, 0}, -kHalfPi);
    const EntityId lowerLoop = arcThrough(host, {0, 0, -d}, {MD / 2, 0, -d}, {-MD, 0, -d});
    host.move(lowerLoop, {0, 0, -d}, {0, -d, -d});
    host.rotate3D(lowerLoop, {MD / 2, -d, -d}, {0, -d + 0.5, -d - 0.5}, kHalfPi);

    const EntityId upperBend = arcThrough(host, {MD / 2 - d, 0, T}, {MD / 2, 0, T}, {MD / 2 - d, d, T});
    host.rotate3D(upperBend, {MD / 2, 0, T}, {MD / 2, 8, T}, kHalfPi);
    const EntityId upperLoop = arcThrough(host, {0, 0, T + d}, {MD / 2, 0, T + d}, {-MD / 2, 0, T + d});
    host.move(upperLoop, {0, 0, T + d}, {0, d, T + d});
    host.rotate3D(upperLoop, {MD / 2, d, T + d}, {0, d - 0.5, T + d - 0.5}, -kHalfPi);

    if (const auto turn = upperTurn(
            in.hookAngle, {bendBack, -(kPi / 2 - bendBack), -(kPiFromTwoPi - bendBack), bendBack + kPi / 2},
            {true, true, true, true}))
        turnAboutAxis(host, {upperBend, upperLoop}, T, d, *turn);

    for (int i = 1; i <= 5; ++i)
        host.addCircle({MD / 2 + 4, 0, num::finite(2 * i + 4 * d)}, rs);
    finishView(host, kExtensionView);
}

} // namespace cad
