#pragma once
// Torsion spring calculator, normal mode: rate, torques and loads at up to three twist
// angles, and the body length and inner diameter after twisting.

#include "common/ui/FormBase.h"

class Form9 : public FormBase {
    Q_OBJECT
public:
    Form9();

private:
    void buildInputFrame();
    void buildResultFrame();
    void calculate();
    void reset();
    void fillDrawingSheet();
};
