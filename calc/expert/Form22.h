#pragma once
// Form22: the expert-mode calculator of cylindrical helical torsion springs loaded through
// their legs. Its normal-mode twin is Form9; Command3 switches back. Pointing at the life
// label or the life box widens the window to show the fatigue-life diagram.
//
// The window builds its layout from tables and maps its controls to the calculation in
// TorsionExpert.h.

#include "common/ui/FormBase.h"

class QGroupBox;

class Form22 : public FormBase {
    Q_OBJECT
public:
    Form22();

private:
    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons(QWidget* parent);
    void styleBoxes();

    void calculate();
    void reset();
};
