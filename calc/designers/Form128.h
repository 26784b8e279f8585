#pragma once
// Mine-car buffer spring designer: from the masses of the empty and the loaded car, their
// speed at impact and the deflection the spring may take it works out the spring force, a
// wire in whole millimetres and the compression spring that follows, with its safety factor.

#include "common/ui/FormBase.h"
#include "platform/TextReport.h"

class QGroupBox;

class Form128 : public FormBase {
    Q_OBJECT
public:
    Form128();

private:
    QGroupBox* buildInputs();
    QGroupBox* buildResults();

    void calculate();
    void reset();
    report::DesignReport designReport() const;
};
