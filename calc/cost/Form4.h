#pragma once
// Serpentine spring weight: the developed length and the weight of a wire bent into waves.

#include "common/ui/FormBase.h"

class Form4 : public FormBase {
    Q_OBJECT
public:
    Form4();

private:
    void calculate();
};
