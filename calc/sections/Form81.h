#pragma once
// The square coil spring: rate and two working loads of a spring of round wire on square or
// rectangular coils, through the coil shape factor.

#include "common/ui/FormBase.h"

class Form81 : public FormBase {
    Q_OBJECT
public:
    Form81();

private:
    void calculate();
};
