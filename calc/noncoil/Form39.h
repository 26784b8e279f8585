#pragma once
// Curled thin plate spring.

#include "common/ui/FormBase.h"

class Form39 : public FormBase {
    Q_OBJECT
public:
    Form39();

private:
    void calculate();
};
