#pragma once
// Wave washer calculator. No command of the program opens it.

#include "common/ui/FormBase.h"

class Form24 : public FormBase {
    Q_OBJECT
public:
    Form24();

private:
    void calculate();
};
