#pragma once
// The rectangular-wire compression spring: solid height, weight, equivalent round wire, rate,
// loads, the stress at the solid load and an estimate of the fatigue life.

#include "common/ui/FormBase.h"

class Form34 : public FormBase {
    Q_OBJECT
public:
    Form34();

private:
    void calculate();
};
