#include "cad/SpringGeometry.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <algorithm>
#include <cmath>

namespace cad {

double handSign(const QString& comboText, HandStyle style) {
    const bool right = comboText == QStringLiteral("右旋");
    if (style == HandStyle::CosineFirst)
        return right ? 1.0 : -1.0;
    return right ? -1.0 : 1.0;
}

std::vector<double> pointList(int lastIndex, const std::function<Point3d(int)>& point) {
    std::vector<double> list;
    list.reserve(3 * size_t(std::max(lastIndex + 1, 0)));
    for (int i = 0; i <= lastIndex; ++i) {
        const Point3d p = point(i);
        list.push_back(num::finite(p.x));
        list.push_back(num::finite(p.y));
        list.push_back(num::finite(p.z));
    }
    return list;
}

std::vector<double> helixSplinePoints(double turns, double radius, double pitch, double z0, int sx, int sy,
                                      int sz) {
    return pointList(100, [&](int i) {
        const double theta = turns * 3.6 * i * kPi / 180;
        return Point3d{sx * radius * std::cos(theta), sy * radius * std::sin(theta),
                       z0 + sz * 0.01 * i * turns * pitch};
    });
}

int taperedPointCount(double activeTurns, double endTurns) {
    const double n = num::roundHalfEven(num::finite(50 * num::finite(activeTurns + endTurns)), 0);
    if (n > kMaxTaperedPoints)
        throw TooManyTurns(kMaxTaperedPoints / 50.0 - endTurns);
    if (n < -32768)
        throw num::CalcFault("point count out of range");
    return int(n);
}

int helixSteps(double turns, double largestTyped) {
    const double steps = std::ceil(kMinHelixStepsPerTurn * std::abs(num::finite(turns)));
    if (steps > kMaxTaperedPoints)
        throw TooManyTurns(largestTyped);
    return std::max(kHelixSteps, int(steps));
}

std::vector<double> taperedHelixPoints(int n, const std::function<double(int)>& radius, double rs,
                                       double pitch, double hand) {
    return pointList(n, [&](int i) {
        const double theta = (2.0 * i) * kPi / 50;
        const double r = radius(i);
        double z;
        if (i < 50)
            z = 2.0 * i * rs / 50;
        else if (i > n - 50)
            z = (n - 100) * pitch / 50 + 2.0 * (i - n + 50) * rs / 50 + 2 * rs;
        else
            z = (i - 50) * pitch / 50 + 2 * rs;
        return Point3d{hand * r * std::sin(theta), r * std::cos(theta), z};
    });
}

int hookAngleRow(const QString& comboText) {
    static const QString rows[] = {QStringLiteral("0度"), QStringLiteral("90度"), QStringLiteral("180度"),
                                   QStringLiteral("270度")};
    for (int i = 0; i < 4; ++i)
        if (comboText == rows[i])
            return i;
    return -1;
}

namespace {
const double kHookAngleTurns[] = {0.0, 0.25, 0.5, 0.75};
} // namespace

double hookAngleOffset(double turns, double allowance, const QString& comboText) {
    const int row = hookAngleRow(comboText);
    if (row < 0)
        return turns;
    return num::finite(std::trunc(turns) - allowance + kHookAngleTurns[row]);
}

double largestHookAngleTurns(double allowance, const QString& comboText) {
    const int row = hookAngleRow(comboText);
    if (row < 0)
        return kMaxHelixTurns;
    // Rounding in the sum may land one whole count too high; the offset itself decides.
    double whole = std::floor(kMaxHelixTurns + allowance - kHookAngleTurns[row]);
    if (hookAngleOffset(whole, allowance, comboText) > kMaxHelixTurns)
        whole -= 1;
    return whole;
}

} // namespace cad
