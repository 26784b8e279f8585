#pragma once
// Non-contact spiral spring design.

#include "common/ui/FormBase.h"

class Form36 : public FormBase {
    Q_OBJECT
public:
    Form36();

private:
    void calculate();
};
