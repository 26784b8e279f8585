#pragma once
// Stamping part material: the edge margin for the sheet thickness and the weight of the
// enlarged blank of one part.

#include "common/ui/FormBase.h"

class Form50 : public FormBase {
    Q_OBJECT
public:
    Form50();

private:
    void calculate();
};
