#pragma once
// Shared variables of the design wizards. The wizards keep their state in variables that live
// as long as the program runs; a few windows outside the wizards store into them too, so they
// are defined here, where every library can reach them.
//
// A step window's timer writes its inputs and results here on every complete tick, later
// steps read them, and each Confirm stores the wizard's report after that step. Numbers are
// single precision (stored unrounded unless the step says otherwise); every number is 0 and
// every text empty at program start, and nothing resets them while the program runs (tests
// call resetAll()). Lengths in mm, loads in N, torques in N·mm, angles in degrees, stresses and
// moduli in MPa.
//
// All variables belong to the window system's single thread; when two open windows write the
// same variable, the last writer wins.

#include <QString>

namespace wizard {

struct State {
    // --- Compression wizard ---
    float compInstalledLoad = 0;   // F1'
    float compInstalledHeight = 0; // H1'
    float compWorkingLoad = 0;     // F2'
    float compStroke = 0;          // h
    float compRequiredRate = 0;    // K1' = (F2' - F1') / h
    QString compReport1;
    QString compReport2;
    QString compReport3;
    QString compReport4;
    QString compReport5;
    float compShearModulus = 0;    // G
    float compTensileStrength = 0; // sigma b
    float compAllowableShear = 0;  // [tau] for the load class
    float compLoadCycles = 0;      // N
    QString compTemperatureRange;
    QString compLoadClass; // "I", "II" or "III"
    QString compMaterialName;
    // d, D, n: also written by the extension spring's load-test window.
    float compWireDia = 0;
    float compMeanDia = 0;
    float compActiveCoils = 0;
    float compActualRate = 0; // k
    float compRateError = 0;  // |K1' - k| / K1' in %
    // n2 of the chosen end form: written by the wizard's end-form step and, on every refresh
    // while it is open, by the expert calculator's end-form picker Form129.
    float inactiveEndCoils = 0;
    float compSpringIndex = 0; // C
    float compTotalCoils = 0;  // n1 = n + n2
    float compWahlFactor = 0;  // K
    float compPitch = 0;       // t
    float compTrialWireDia = 0;
    float compTrialSpringIndex = 0;
    float compTrialMeanDia = 0;
    float compTrialActiveCoils = 0;
    float compInstalledDeflection = 0; // f1
    float compWorkingDeflection = 0;   // f2
    float compTestDeflection = 0;      // fs; also written by subsystem 9
    float compTestLoad = 0;            // Fs
    float compFreeHeight = 0;          // H0; also written by subsystem 9
    float compSlendernessRatio = 0;    // b = H0 / D
    float compCriticalLoad = 0;        // FC
    float compNaturalFrequency = 0;    // fn
    float compForcedFrequency = 0;     // nr
    float compMinShearStress = 0;      // tau min at F1'
    float compMaxShearStress = 0;      // tau max at F2'

    // --- Extension wizard ---
    float extInstalledLoad = 0;
    float extWorkingLoad = 0;
    float extStroke = 0;
    float extRequiredRate = 0;
    float extRequiredTestLoad = 0;
    float extLoadCycles = 0;
    QString extReport1;
    QString extReport2;
    QString extReport3;
    QString extReport4;
    QString extLoadClass;
    QString extTemperatureRange;
    QString extEndType; // "L I" to "L VIII", "R LI" to "R LIII"
    float extShearModulus = 0;
    float extTensileStrength = 0;
    float extAllowableShear = 0;
    QString extMaterialName;
    float extWahlFactor = 0;
    float extActualRate = 0;
    float extWireDia = 0;
    float extMeanDia = 0;
    float extActiveCoils = 0;
    float extRateError = 0;
    float extSpringIndex = 0;
    float extFreeLength = 0;
    float extTrialSpringIndex = 0;
    float extTrialWireDia = 0;
    float extTrialMeanDia = 0;
    float extTrialActiveCoils = 0;
    float extInitialTension = 0;
    float extInstalledDeflection = 0;
    float extWorkingDeflection = 0;
    float extTestDeflection = 0;
    float extTestLoad = 0;
    float extMinShearStress = 0;
    float extMaxShearStress = 0;
    float extShearStressRatio = 0;
    float extStressToStrength = 0;
    float extActualStroke = 0;

    // --- Torsion wizard ---
    float torsInstalledTorque = 0;
    float torsWorkingTorque = 0;
    float torsDeflectionAngle = 0;
    float torsFreeAngle = 0;
    float torsInstalledAngle = 0;
    float torsWorkingAngle = 0;
    float torsRequiredRate = 0;
    float torsLoadCycles = 0;
    QString torsReport1;
    QString torsReport2;
    QString torsReport3;
    QString torsReport4;
    QString torsReport5;
    QString torsDirection;
    QString torsLoadClass;
    QString torsTemperatureRange;
    QString torsMaterialName;
    float torsYoungsModulus = 0;
    float torsTensileStrength = 0;
    float torsAllowableBending = 0;
    float torsWireDia = 0;
    float torsMeanDia = 0;
    float torsActiveCoils = 0;
    float torsActualRate = 0;
    float torsSpringIndex = 0;
    float torsCurvatureFactor = 0;
    float torsDirectionalCurvatureFactor = 0;
    float torsRateError = 0;
    float torsTrialWireDia = 0;
    float torsTrialMeanDia = 0;
    float torsTrialActiveCoils = 0;
    float torsDesignInstalledTorque = 0;
    float torsDesignWorkingTorque = 0;
    float torsTestTorque = 0;
    float torsTestAngle = 0;
    float torsMinStress = 0;
    float torsMaxStress = 0;
    float torsStressToStrengthRatio = 0;
    float torsStressRatio = 0;
};

extern State state;

// The end-coil count under the name the end-form picker has always used.
inline float& inactiveEndCoils = state.inactiveEndCoils;

// Back to the program-start values: every number 0, every text empty.
void resetAll();

} // namespace wizard
