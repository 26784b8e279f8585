#pragma once
// Sheet stamping quotation: a suggested unit price from the strip material, the fees, and
// the tax, scrap and profit percentages.

#include "common/ui/FormBase.h"

class Form51 : public FormBase {
    Q_OBJECT
public:
    Form51();

private:
    void calculate();
};
