#pragma once
// Clock spring weight: one clock or spiral spring wound from flat strip.

#include "common/ui/FormBase.h"

class Form5 : public FormBase {
    Q_OBJECT
public:
    Form5();

private:
    void calculate();
};
