#pragma once
// Hourglass spring calculator.

#include "common/ui/FormBase.h"

class Form84 : public FormBase {
    Q_OBJECT
public:
    Form84();

private:
    void calculate();
};
