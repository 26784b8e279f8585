#pragma once
// Rectangular rubber shear spring calculator.

#include "common/ui/FormBase.h"

class Form48 : public FormBase {
    Q_OBJECT
public:
    Form48();

private:
    void calculate();
};
