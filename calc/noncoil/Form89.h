#pragma once
// Winding mandrel calculator.

#include "common/ui/FormBase.h"

class Form89 : public FormBase {
    Q_OBJECT
public:
    Form89();

private:
    void calculate();
};
