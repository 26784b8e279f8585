#pragma once
// Serpentine spring calculator.

#include "common/ui/FormBase.h"

class Form78 : public FormBase {
    Q_OBJECT
public:
    Form78();

private:
    void calculate();
};
