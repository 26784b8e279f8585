#pragma once
// The equal-pitch barrel spring: rate, working load, the load at which the middle coils begin
// to close, its deflection, and the load with all coils closed.

#include "common/ui/FormBase.h"

class Form35 : public FormBase {
    Q_OBJECT
public:
    Form35();

private:
    void calculate();
};
