#pragma once
// Elliptical coil spring calculator.

#include "common/ui/FormBase.h"

class Form82 : public FormBase {
    Q_OBJECT
public:
    Form82();

private:
    void calculate();
};
