#pragma once
// The rectangular-section torsion spring: angular rate, torque at an angle, force at an arm.

#include "common/ui/FormBase.h"

class Form43 : public FormBase {
    Q_OBJECT
public:
    Form43();

private:
    void calculate();
};
