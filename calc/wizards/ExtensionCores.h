#pragma once
// The arithmetic of the extension wizard's design step, its trial wire-diameter calculator and
// its check step. Single-precision values as the wizard stores them, formulas evaluated in
// double in the order written; a zero divisor throws num::CalcFault.

#include <QString>

namespace extensiondesign {

struct DesignInputs {
    float wireDiameter = 0;
    float meanDiameter = 0;
    float activeCoils = 0;
    float shearModulus = 0;
    float requiredRate = 0; // K'
};

struct DesignResults {
    float rate = 0;        // k
    float rateError = 0;   // |K' - k| * 100 / K'
    float springIndex = 0; // C = D/d through "0.00"
    float wahlFactor = 0;  // through "0.00"; kept as it was while C is 1 or less
};

// Filled in this order; a fault leaves the later results as they were.
void compute(const DesignInputs& in, DesignResults& out);

// The Wahl factor the trial wire-diameter calculator shows for its own C': none (nullopt-like
// false) while 4C' - 4 is not above 0.
bool hasWahlFactor(float springIndex);
double shownWahlFactor(float springIndex);

} // namespace extensiondesign

namespace extensioncheck {

struct Inputs {
    float installedLoad = 0; // F1'
    float workingLoad = 0;   // F2'
    float stroke = 0;        // h
    float shearModulus = 0;  // G
    float tensileStrength = 0;
    QString endType; // "L I" ... "R LIII"
    float wireDiameter = 0;
    float meanDiameter = 0;
    float activeCoils = 0;
    float rate = 0;       // k
    float wahlFactor = 0; // K
};

struct Results {
    float testLoad = 0;            // Fs = 1.25 F2'
    float initialTension = 0;      // F0 = d*3.14159*d*d*d*G/800/D/D
    float installedDeflection = 0; // f1 = (F1' - F0)/k
    float workingDeflection = 0;   // f2
    float testDeflection = 0;      // fs
    float minRatio = 0;            // f1/fs
    float maxRatio = 0;            // f2/fs
    bool minRatioOk = false;
    bool maxRatioOk = false;
    float minShearStress = 0; // with the full load F1'
    float maxShearStress = 0;
    float stressRatio = 0;
    float strengthRatio = 0;
    bool fatigueOk = false;
    float actualStroke = 0; // hp = (F2' - F1')/k
    float strokeError = 0;  // |(hp - h) * 100 / h|
    float freeLength = 0;   // L0 by end type
    float installedLength = 0;
    float workingLength = 0;
    float testLength = 0;
    float pitch = 0; // p = d
};

Results compute(const Inputs& in);

// Free length by end type; any code but the six listed gives n*d.
float freeLength(const QString& endType, float wireDiameter, float meanDiameter, float activeCoils);

// The sizes the report adds after the check: the helix angle from the pitch (3.14159 in the
// tangent, 3.14 in the conversion to degrees), and the developed length (n + 2)·D·3.14 and the
// mass d·0.0193·d·D·(n + 2) in grams, each counting two coils for the hooks.
struct ReportValues {
    double helixAngle = 0; // degrees
    double wireLength = 0;
    double mass = 0;
};
ReportValues reportValues(float pitch, float wireDiameter, float meanDiameter, float activeCoils);

} // namespace extensioncheck
