#pragma once
// The flat-wire compression spring (die spring wire): the section's moments, rate and load.

#include "common/ui/FormBase.h"

class Form64 : public FormBase {
    Q_OBJECT
public:
    Form64();

private:
    void calculate();
};
