#pragma once
// Circlip calculator.

#include "common/ui/FormBase.h"

class Form77 : public FormBase {
    Q_OBJECT
public:
    Form77();

private:
    void calculate();
};
