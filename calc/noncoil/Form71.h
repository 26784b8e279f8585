#pragma once
// Non-contact spiral spring check.

#include "common/ui/FormBase.h"

class Form71 : public FormBase {
    Q_OBJECT
public:
    Form71();

private:
    void calculate();
};
