#pragma once
// Constant-torque spring.

#include "common/ui/FormBase.h"

class Form79 : public FormBase {
    Q_OBJECT
public:
    Form79();

private:
    void calculate();
};
