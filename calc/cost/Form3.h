#pragma once
// Hollow-section wire weight: one piece of a spring or wire part of tube wire.

#include "common/ui/FormBase.h"

class Form3 : public FormBase {
    Q_OBJECT
public:
    Form3();

private:
    void calculate();
};
