#pragma once
// General spring weight: the weight of one round-wire spring or wire form, handed on to the
// spring quotation on request.

#include "common/ui/FormBase.h"

class Form2 : public FormBase {
    Q_OBJECT
public:
    Form2();

private:
    void calculate();
    void quote();
};
