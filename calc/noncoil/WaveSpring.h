#pragma once
// Wave springs: flat strip in a ring or a helix with N waves per turn. The materials, the wave
// factor, the six spring types, the wave-height verdict, the working-height hint and the
// calculation. Every named value is held in single precision, as the calculator always has.

#include <QString>
#include <QStringList>

namespace wave {

// WaveSpringMaterialTable: Young's modulus in kgf/mm² by the exact list text; 0 otherwise.
double materialModulus(const QString& listText);
QStringList materialNames();

// WaveFactorTable: K by the waves per turn; the bands 2-4, 4.5-6.5, 7-9.5 and from 10 on are
// closed, and a count in none of them gives 0.
float waveFactor(float waves);

// WaveSpringType: the six types by the list text of the language in force (texts 2412-2417).
enum class Type { Series, SeriesWithShims, Nested, Gap, Overlap, ClosedRing, Unknown };
Type springType(const QString& listText);
constexpr int kFirstTypeText = 2412;
// The single-turn types ignore the turn count, which the window then holds at 1.
bool isSingleTurn(Type type);
// The name of the type's picture (Image1 ... Image6), empty for an unknown type.
QString pictureName(Type type);

// WaveHeightVerdict: text 2418 (too small) when h < b, 2419 (too big) when h > 2b (2b in
// single precision), otherwise 2420; h = b and h = 2b are right.
int heightVerdict(float waveHeight, float width);

// WorkingHeightHint: H0 - 2 (H0 - t Z) / 3, with H0 in single precision, t and Z in double.
double workingHeightHint(float freeHeight, double thickness, double turns);

// The closed single ring (type 2417), also the wave washer's model: load at a deflection and
// the stress from a load.
double closedRingLoad(double e, double width, double thickness, double waves, double deflection,
                      double meanDiameter);
double closedRingStress(double load, double meanDiameter, double width, double thickness, double waves);

struct Inputs {
    float t = 0, b = 0, bore = 0, shaft = 0, waves = 0, turns = 0, freeHeight = 0, height1 = 0, height2 = 0;
    double e = 0;
    Type type = Type::Series;
};

struct Results {
    float waveHeight = 0; // rounded to one decimal
    int verdictId = 0;
    float load1 = 0, load2 = 0;
    double load1N = 0, load2N = 0, stressN = 0, rateN = 0;
    float solidHeight = 0;
};

// Throws num::CalcFault before any result for a wave count outside the bands (types with K),
// no turns, no shaft, no strip, or a value beyond single precision. An unknown type gives
// zeros throughout.
Results compute(const Inputs& in);

} // namespace wave
