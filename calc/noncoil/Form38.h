#pragma once
// Constant-force spring.

#include "common/ui/FormBase.h"

class Form38 : public FormBase {
    Q_OBJECT
public:
    Form38();

private:
    void calculate();
};
