#pragma once
// Die spring weight: one coil spring wound from rectangular wire.

#include "common/ui/FormBase.h"

class Form6 : public FormBase {
    Q_OBJECT
public:
    Form6();

private:
    void calculate();
};
