#pragma once
// Egg-shaped coil spring calculator.

#include "common/ui/FormBase.h"

class Form83 : public FormBase {
    Q_OBJECT
public:
    Form83();

private:
    void calculate();
};
