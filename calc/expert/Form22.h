#pragma once
// Form22: the expert-mode calculator of cylindrical helical torsion springs loaded through
// their legs. Its normal-mode twin is Form9; Command3 switches back. Pointing at the life
// label or the life box widens the window to show the fatigue-life diagram.
//
// Layout and wiring live in Form22.cpp, the calculation in Form22Calculation.cpp.

#include "common/ui/FormBase.h"

class QGroupBox;

class Form22 : public FormBase {
    Q_OBJECT
public:
    Form22();

private:
    // Values of one calculation, in the precision the calculator keeps them.
    struct Run {
        double E = 0; // four-decimal fixed point
        float d = 0, D = 0, n = 0, a1 = 0, a2 = 0, L1 = 0, L2 = 0, arm = 0;
        float freeAngle = 0, angleTolerance = 0;
        float k = 0, K = 0;
        float tensileStrength = 0, coefficient = 0, allowable = 0, sigmaMin = 0;
    };
    enum class Stress { Single, Double };

    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons(QWidget* parent);
    void styleBoxes();

    void calculate();
    void run();
    void firstAngle(Run& r);
    void section(Run& r);
    void secondAngle(const Run& r);
    void thirdAngle(const Run& r);
    void stressResults(const Run& r, double sigmaMax, Stress precision);
    void testCharacteristic(const Run& r, float angle);
    void reset();
};
