#pragma once
// The extension spring's drawing sheet, filled by the extension calculator.

#include "shell/DrawingSheet.h"

class Form133 : public DrawingSheet {
    Q_OBJECT
public:
    Form133();
};
