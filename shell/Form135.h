#pragma once
// The torsion spring's drawing sheet, filled by the torsion calculator.

#include "shell/DrawingSheet.h"

class Form135 : public DrawingSheet {
    Q_OBJECT
public:
    Form135();
};
