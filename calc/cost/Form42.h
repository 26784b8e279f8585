#pragma once
// Shaft quotation: the price of one turned shaft from machine, material and finishing costs
// and the tax.

#include "common/ui/FormBase.h"

class Form42 : public FormBase {
    Q_OBJECT
public:
    Form42();

private:
    void calculate();
};
