#pragma once
// The two-rate variable-pitch spring: rates of the dense part, the sparse part and both
// together, the knee, preload and working load on the two-branch line, free height, test
// load, shear stress and the pitch, solid-length and stress checks.

#include "common/ui/FormBase.h"

class Form73 : public FormBase {
    Q_OBJECT
public:
    Form73();

private:
    void calculate();
    void reset();
};
