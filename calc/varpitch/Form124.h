#pragma once
// The oval coil spring: the rate and two working loads of a compression spring whose coils
// are flattened, through the coil shape factor.

#include "common/ui/FormBase.h"

class Form124 : public FormBase {
    Q_OBJECT
public:
    Form124();

private:
    void calculate();
};
