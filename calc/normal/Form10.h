#pragma once
// Extension spring calculator, normal mode: rate, initial tension, the band of loads at up
// to three working lengths and the recommended greatest length.

#include "common/ui/FormBase.h"

namespace extension {
struct Results;
}

class Form10 : public FormBase {
    Q_OBJECT
public:
    Form10();

private:
    void buildInputFrame();
    void buildResultFrame();
    void calculate();
    void showResults(const extension::Results& r);
    void switchLoadsToNewtons();
    void reset();
    void fillDrawingSheet();
    void setLoadUnit(const QString& unit);
};
