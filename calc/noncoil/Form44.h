#pragma once
// Cantilever strip spring.

#include "common/ui/FormBase.h"

class Form44 : public FormBase {
    Q_OBJECT
public:
    Form44();

private:
    void calculate();
};
