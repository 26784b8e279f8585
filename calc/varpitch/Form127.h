#pragma once
// Coil-count design of a two-stage variable-pitch spring: total, dense and sparse coils, the
// pitch and length of each part, echoed on the sketch.

#include "common/ui/FormBase.h"

class Form127 : public FormBase {
    Q_OBJECT
public:
    Form127();

private:
    void calculate();
};
