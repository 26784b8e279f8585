#pragma once
// Mainspring check.

#include "common/ui/FormBase.h"

class Form72 : public FormBase {
    Q_OBJECT
public:
    Form72();

private:
    void calculate();
};
