#pragma once
// The formulas and limit checks with which the expert calculators and the designers judge a
// helical spring: Wahl factor, natural frequency and resonance margin, slenderness limits,
// pitch and helix-angle ranges, deformation ratio and the allowed spring index by wire
// diameter. The fatigue-life table lives in FatigueLife.h.
//
// Every function is pure: it reads no window and shows nothing. A check returns true for
// "OK" and false for "NG"; verdictText() turns that into the label text.
//
// Precision matters, because a value just on a bound must land on the same side it always
// did. Each function states in which precision it forms its products and compares. Where a
// comparison is made "in single precision", the bound constants are the floats nearest to
// the decimal values (0.2f, not 0.2). Divisions go through num::div, so a zero divisor throws
// num::CalcFault like every other arithmetic fault of a calculation.
//
// Callers that use other bounds or strictness (the designers do) pass them as arguments.

#include <QString>
#include <optional>

namespace springchecks {

// "OK" or "NG", the literal texts of every verdict label.
QString verdictText(bool ok);

// --- Wahl stress factor -----------------------------------------------------------------

// K = (4C - 1) / (4C - 4) + 0.615 / C, evaluated in double precision in this order.
// Throws CalcFault for C = 1 or C = 0.
double wahlFactor(double springIndex);

// The same, with C and the result held in single precision.
float wahlFactorSingle(float springIndex);

// --- Natural frequency and resonance ----------------------------------------------------

// fe = 3.56e5 * d / (D^2 * n) in Hz (d, D in mm), double precision. Throws CalcFault when
// D or n is zero.
double naturalFrequency(double wireDiameter, double meanDiameter, double activeCoils);

// The speed of 1400 per minute that the compression calculator takes as the forced
// vibration: 1400 / 60 Hz.
constexpr double kForcedFrequency = 1400.0 / 60.0;

// OK when the natural frequency is more than ten times the forced one (strictly).
bool resonanceOk(double naturalFrequency, double forcedFrequency);

// --- Slenderness (free height over mean diameter) ---------------------------------------

enum class EndFixing { BothFixed, OneFixedOnePivoted, BothPivoted };

// The limit on b = H0 / D for a fixing: 5.3, 3.7, 2.6 (single precision).
float slendernessLimit(EndFixing fixing);

// A fixing passes when b <= its limit, b and the limit in single precision.
bool slendernessOk(float slenderness, EndFixing fixing);

struct SlendernessVerdicts {
    bool bothFixed = false;
    bool oneFixedOnePivoted = false;
    bool bothPivoted = false;
};
SlendernessVerdicts slendernessLimits(float slenderness);

// String-table ids of a fixing's label: its name alone (no verdict yet), with "OK", with "NG".
// Both ends fixed: 1401 / 1398 / 1395; one fixed, one pivoted: 1402 / 1399 / 1396;
// both pivoted: 1403 / 1400 / 1397.
int slendernessTextId(EndFixing fixing, std::optional<bool> passed = std::nullopt);

// --- Pitch and helix angle --------------------------------------------------------------

// OK when D * lower <= t <= D * upper. Each product is formed in double precision and
// rounded to single before it is compared with the single-precision pitch.
bool pitchRatioOk(float pitch, float meanDiameter, double lowerFactor = 0.28, double upperFactor = 0.5);

// alpha = arctan(t / 3.1416 / D) * 180 / 3.1416 in degrees, double precision (3.1416, not pi).
// Throws CalcFault when D is zero.
double helixAngle(double pitch, double meanDiameter);

// OK when lower < alpha < upper, both bounds exclusive.
bool helixAngleOk(double helixAngleDegrees, double lower = 5.0, double upper = 9.0);

// --- Deformation ratio ------------------------------------------------------------------

// Single form: OK when lower <= r <= upper, r and the bounds in single precision.
bool deformationRatioOk(float ratio, float lower = 0.2f, float upper = 0.8f);

// Pair form: OK when first / reference >= lower and last / reference <= upper, ratios and
// comparisons in double precision. Throws CalcFault for a zero reference deflection.
bool deformationPairOk(double firstDeflection, double lastDeflection, double referenceDeflection,
                       double lower = 0.2, double upper = 0.8);

// --- Spring index by wire diameter --------------------------------------------------------

// The allowed index C = D / d for the band of the wire diameter, d and C in single precision:
//   d < 0.5 : 4..14,  0.5 <= d < 1.1 : 5..12,  1.1 <= d < 2.5 : 5..10,
//   2.5 <= d < 7 : 4..9,  7 <= d < 18 : 4..8,  d >= 18 : 4..16  (whole numbers included).
// No verdict (nullopt) for a wire diameter that falls in no band (not a number).
std::optional<bool> springIndexOk(float wireDiameter, float springIndex);

} // namespace springchecks
