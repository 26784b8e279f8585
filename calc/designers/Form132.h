#pragma once
// Torsion spring designer with tangential legs: from the load, its lever arm, the space for
// the spring, the coil gap and the angles between the legs it proposes the wire diameter,
// diameters, coil count, torsion angles, rate and stress, and judges stress, free height and
// whether the estimated free angle matches the working angle.

#include "common/ui/FormBase.h"
#include "platform/TextReport.h"

class QGroupBox;

class Form132 : public FormBase {
    Q_OBJECT
public:
    Form132();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate();
    void reset();
    report::DesignReport designReport() const;
};
