#pragma once
// The round torsion bar: section values, stiffnesses, maximum torque and shear stress.

#include "common/ui/FormBase.h"

class Form70 : public FormBase {
    Q_OBJECT
public:
    Form70();

private:
    void calculate();
};
