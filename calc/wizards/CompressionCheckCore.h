#pragma once
// The arithmetic of the compression wizard's check step: deflections, test load, deformation
// ratios, stability by the fixing of the ends, natural frequency against the forced one, and
// the shear stresses for the fatigue verdict. Every quantity is single precision, each formula
// evaluated in double and rounded when stored; the bounds are the single-precision values of
// 0.2, 0.8, 5.3, 3.7, 2.6 and 0.45. A zero divisor throws num::CalcFault.

#include <optional>

namespace compressioncheck {

enum class Fixing { BothFixed, BothPivoted, OneFixedOnePivoted, GuideRod };

struct Inputs {
    float installedLoad = 0;              // F1'
    float installedHeight = 0;            // H1'
    float workingLoad = 0;                // F2'
    bool classIII = false;                // load class exactly "III": the test load takes no factor 1.2
    float allowableShear = 0;             // tau
    float endCoils = 0;                   // n2
    float wireDiameter = 0;               // d
    float meanDiameter = 0;               // D
    float activeCoils = 0;                // n
    float rate = 0;                       // k
    float wahlFactor = 0;                 // K
    float tensileStrength = 0;            // sigma b
    std::optional<Fixing> fixing;         // none when the combo names no fixing
    std::optional<float> forcedFrequency; // nr; none when its field does not read as a number
};

// Label3's verdict: a string-table text, or the literal "ok" (one end fixed, b within limit).
struct Stability {
    bool computed = false;  // false: b within the limit, text 2339 instead of FC
    float criticalLoad = 0; // FC, when computed
    int verdictId = 0;      // 2337, 2338, 2340, 2341; 0 for the literal "ok"
};

struct Results {
    float installedDeflection = 0; // f1
    float freeHeight = 0;          // H0
    float pitch = 0;               // t
    float slenderness = 0;         // b
    float testLoad = 0;            // Fs
    float testDeflection = 0;      // fs
    float minRatio = 0;            // r1 = f1/fs
    float workingDeflection = 0;   // f2
    float maxRatio = 0;            // r2 = f2/fs
    bool minRatioOk = false;       // r1 >= 0.2
    bool maxRatioOk = false;       // r2 <= 0.8
    std::optional<Stability> stability;
    float naturalFrequency = 0; // fn = d*356000/n/D/D
    std::optional<bool> resonanceOk;
    float minShearStress = 0; // tau min
    float maxShearStress = 0; // tau max
    float stressRatio = 0;    // v
    float strengthRatio = 0;  // q = tau max / sigma b
    bool fatigueOk = false;   // q < 0.45
};

Results compute(const Inputs& in);

// The critical-load factor of a fixing for slenderness b, the polynomial as it has always been
// written (both leading terms over b^5), to be multiplied by k and H0.
double criticalLoadFactor(Fixing fixing, double b);

// The report's derived values.
double safetyFactor(float minShearStress, float tensileStrength, float maxShearStress);
double helixAngleDegrees(float freeHeight, float endCoils, float wireDiameter, float activeCoils,
                         float meanDiameter);

// The rest of the sizes that the report lists, from the values the steps keep.
struct ReportInputs {
    float freeHeight = 0;        // H0
    float workingDeflection = 0; // f2
    float testDeflection = 0;    // fs
    float activeCoils = 0;       // n
    float endCoils = 0;          // n2
    float wireDiameter = 0;      // d
    float meanDiameter = 0;      // D
    float totalCoils = 0;        // n1, as the design step stored it
};

struct ReportValues {
    float workingHeight = 0;         // H2 = H0 - f2
    float testHeight = 0;            // Hs = H0 - fs
    float groundSolidHeight = 0;     // (n + n2)·d, the coil count stored in single first
    double notGroundSolidHeight = 0; // (n + n2 + 1.5)·d
    double wireLength = 0;           // D·3.14159·n1
    double mass = 0;                 // d·0.0193·d·D·n1, in grams
};

ReportValues reportValues(const ReportInputs& in);

} // namespace compressioncheck
