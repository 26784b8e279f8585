#pragma once
// Fine-wire compression spring force calculator.

#include "common/ui/FormBase.h"

class Form52 : public FormBase {
    Q_OBJECT
public:
    Form52();

private:
    void calculate();
};
