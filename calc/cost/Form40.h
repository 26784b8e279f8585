#pragma once
// Conical spring weight: every coil at the average of the small and large mean diameters.

#include "common/ui/FormBase.h"

class Form40 : public FormBase {
    Q_OBJECT
public:
    Form40();

private:
    void calculate();
};
