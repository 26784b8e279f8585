#pragma once
// Wave spring calculator, with its live hints and the drawing sheet.

#include "common/ui/FormBase.h"

class Form88 : public FormBase {
    Q_OBJECT
public:
    Form88();

    // One tick of Timer1: the type's picture, the turn count of single-turn types and the
    // working-height hint. Never computes results.
    void tick();

private:
    void calculate();
    void reset();
    void fillSheet();
};
