#pragma once
// Balance bar calculator.

#include "common/ui/FormBase.h"

class Form80 : public FormBase {
    Q_OBJECT
public:
    Form80();

private:
    void calculate();
};
