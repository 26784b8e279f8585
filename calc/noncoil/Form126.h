#pragma once
// Single disc spring calculator.

#include "common/ui/FormBase.h"

class Form126 : public FormBase {
    Q_OBJECT
public:
    Form126();

private:
    void calculate();
};
