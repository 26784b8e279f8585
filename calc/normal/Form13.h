#pragma once
// Conical (tower) spring calculator, normal mode: rate before the coils touch, the contact
// and solid points, and the loads at one or two working heights.

#include "common/ui/FormBase.h"

namespace conical {
struct Results;
}

class Form13 : public FormBase {
    Q_OBJECT
public:
    Form13();

private:
    void buildInputFrame();
    void buildResultFrame();
    void calculate();
    void showResults(const conical::Results& r);
    void reset();
    void fillDrawingSheet();
};
