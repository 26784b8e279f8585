#pragma once
// Mainspring design.

#include "common/ui/FormBase.h"

class Form37 : public FormBase {
    Q_OBJECT
public:
    Form37();

private:
    void calculate();
};
