#pragma once
// Elliptical-section torsion spring calculator.

#include "common/ui/FormBase.h"

class Form85 : public FormBase {
    Q_OBJECT
public:
    Form85();

private:
    void calculate();
};
