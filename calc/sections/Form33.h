#pragma once
// The square-wire compression spring: rate and load at a compression.

#include "common/ui/FormBase.h"

class Form33 : public FormBase {
    Q_OBJECT
public:
    Form33();

private:
    void calculate();
};
