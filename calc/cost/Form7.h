#pragma once
// Spring quotation: the price of one spring from machine, material, plating and secondary
// costs and the tax, its conversion into three currencies, and the quotation workbook.

#include "calc/cost/Money.h"
#include "calc/cost/SpringQuotation.h"
#include "common/ui/FormBase.h"

class Form7 : public FormBase {
    Q_OBJECT
public:
    Form7();

private:
    void calculate();
    void showPrices(const springquotation::Prices& prices);
    void convert();
    void reset();

    // The price with tax of the last completed calculation; the conversion uses it, not the
    // box, and a reset keeps it.
    Money priceWithTax_;
};
