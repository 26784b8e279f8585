#pragma once
// Compression spring designer: from the installed and working heights and loads, the shear
// modulus, the allowable stress and a first spring index it proposes the wire diameter,
// diameters, coil counts, heights and loads, and judges deformation ratio, pitch, helix angle
// and safety factor. A help panel with the design method opens when the pointer rests on the
// help icon.

#include "common/ui/FormBase.h"
#include "platform/TextReport.h"

class QGroupBox;

class Form131 : public FormBase {
    Q_OBJECT
public:
    Form131();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();
    QWidget* buildHelpPanel();

    void calculate();
    void reset();
    report::DesignReport designReport() const;
};
