#pragma once
// Form23: the expert-mode calculator of close-wound cylindrical helical extension springs with
// hooks. Its normal-mode twin is Form10; Command3 switches back. Save As and Drawing fill the
// extension spring's spreadsheet templates.
//
// Layout and wiring live in Form23.cpp, the calculation in Form23Calculation.cpp.

#include "common/ui/FormBase.h"

class QGroupBox;

class Form23 : public FormBase {
    Q_OBJECT
public:
    Form23();

private:
    // Values of one calculation, all single precision.
    struct Run {
        float G = 0, d = 0, D = 0, n = 0, H0 = 0;
        float initialTension = 0, initialTensionN = 0; // gf as computed, N from the shown gf
        float rate = 0, rateN = 0;                     // gf/mm and N/mm
        float wahl = 0;
        float tensileStrength = 0, coefficient = 0, allowable = 0;
    };

    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons(QWidget* parent);

    void calculate();
    // The load band in gf at a deflection, lowest and highest, into its two boxes.
    void loadBand(const Run& r, float deflection, const QString& lowBox, const QString& highBox);
    // The load in N at a deflection, from the rate and the initial tension in N.
    float loadN(const Run& r, float deflection) const;
    // Safety factor, life, test load and deflection, deformation ratio for a stress and the
    // text of the working-length field it belongs to.
    void checks(const Run& r, float stress, const QString& workingLengthField);
    void reset();
};
