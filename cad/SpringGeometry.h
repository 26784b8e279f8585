#pragma once
// The point lists every spring drawing is built from. Pure arithmetic, no host: the
// generators pass these lists on unchanged.
//
// Angles use π as 3.1415926535 throughout: the drawings have always been made with it, and
// a drawing compared with an old one must match it point for point.

#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

namespace cad {

constexpr double kPi = 3.1415926535;
constexpr double kHalfPi = 3.1415926535 / 2;        // also written 1.57079632675
constexpr double kPiFromTwoPi = 6.283185307 / 2;    // the half turn of the hook tables
constexpr double kQuarterBendEnd = -848.2293 / 180; // 270 × 3.14159 degrees-as-radians

// Which list a window's hand choice feeds: the cosine-first windows put the hand on x = cos,
// the sine-first ones on x = sin, so the same text gives opposite signs.
enum class HandStyle { CosineFirst, SineFirst };

// +1 or −1. Only the exact text "右旋" is the right hand; any other text is the left one.
double handSign(const QString& comboText, HandStyle style);

// 101 points of a helix of `turns` turns, radius, pitch and start height:
// x = sx·R·cos θ, y = sy·R·sin θ, z = z0 + sz·0.01·i·T·P, θ = T·3.6·i degrees.
std::vector<double> helixSplinePoints(double turns, double radius, double pitch, double z0, int sx, int sy,
                                      int sz);

// A tapered helix's point count travels as a 16-bit number and so does its last index
// 3n + 2: 10921 points at most.
constexpr int kMaxTaperedPoints = (32767 - 2) / 3;

// More turns than a drawing can hold; names the largest active turn count it can draw.
class TooManyTurns : public std::runtime_error {
public:
    explicit TooManyTurns(double largestTurns)
        : std::runtime_error("too many turns"), largestTurns_(largestTurns) {}
    double largestTurns() const { return largestTurns_; }

private:
    double largestTurns_;
};

// Points of a tapered helix of `activeTurns` plus `endTurns`: 50 per turn, rounded half to
// even. More than kMaxTaperedPoints throws TooManyTurns with the largest active turn count
// that fits; a count below the 16-bit range is an arithmetic fault.
int taperedPointCount(double activeTurns, double endTurns);

// A coil's helix spline keeps the 100 steps its drawings always had while they come at least
// 8 to a turn (up to 12.5 turns); with more turns it takes 8 steps a turn, since fewer points
// than that no longer follow the coil. Its last index stays within the tapered helix's
// limit, so at most kMaxHelixTurns turns draw.
constexpr int kHelixSteps = 100;
constexpr int kMinHelixStepsPerTurn = 8;
constexpr double kMaxHelixTurns = double(kMaxTaperedPoints) / kMinHelixStepsPerTurn;

// Steps of a helix spline of `turns` turns, either way round. Beyond kMaxHelixTurns throws
// TooManyTurns naming `largestTyped`, the largest count the window takes that still draws;
// a non-finite count is an arithmetic fault.
int helixSteps(double turns, double largestTyped);

// The angle and the share of the height one step of a helix spline takes: with 100 steps
// exactly 3.6 degrees and 0.01, the factors the drawings have always used, so their points
// stay the same bit for bit.
constexpr double helixDegreesPerStep(int steps) {
    return 360.0 / steps;
}
constexpr double helixSharePerStep(int steps) {
    return 1.0 / steps;
}
static_assert(helixDegreesPerStep(kHelixSteps) == 3.6 && helixSharePerStep(kHelixSteps) == 0.01);

// n + 1 points: x = h·r(i)·sin θ, y = r(i)·cos θ, θ = 2i·π/50, z by the three laws of the
// close-wound end turns (first turn rising 2·rs, p per turn between, last turn rising 2·rs).
std::vector<double> taperedHelixPoints(int n, const std::function<double(int)>& radius, double rs,
                                       double pitch, double hand);

// The hook-angle texts in their order; -1 for any other text. Compared exactly: a trailing
// blank makes a different text.
int hookAngleRow(const QString& comboText);

// Drawn body turns N' for the hook angle: Fix(Nt) − k plus 0, ¼, ½ or ¾ turn; any other text
// leaves Nt as typed.
double hookAngleOffset(double turns, double allowance, const QString& comboText);

// The largest Nt whose drawn body turns N' (hookAngleOffset) stay within kMaxHelixTurns: a
// whole count for the four hook angles, kMaxHelixTurns itself for any other text.
double largestHookAngleTurns(double allowance, const QString& comboText);

// 101 points of point(i), i = 0 … 100, flattened to x, y, z. Every coordinate must be finite.
struct Point3d {
    double x, y, z;
};
std::vector<double> pointList(int lastIndex, const std::function<Point3d(int)>& point);

} // namespace cad
