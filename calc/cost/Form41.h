#pragma once
// Lathe part weight and material cost: what one bar weighs and costs, how many parts it
// yields, and per part the gross weight, the material cost and the nickel plating price.

#include "common/ui/FormBase.h"

class Form41 : public FormBase {
    Q_OBJECT
public:
    Form41();

private:
    void calculate();
    void quote();
};
