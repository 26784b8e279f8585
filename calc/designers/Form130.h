#pragma once
// Extension spring designer: from two working points (extension and load), the shear
// modulus, the allowable stress and a trial spring index it proposes the wire diameter,
// diameters, coil count, rate, initial tension and free length, and judges the initial
// stress, the characteristic (deformation) ratio and the safety factor.

#include "common/ui/FormBase.h"
#include "platform/TextReport.h"

class QGroupBox;

class Form130 : public FormBase {
    Q_OBJECT
public:
    Form130();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate();
    void reset();
    report::DesignReport designReport() const;
};
