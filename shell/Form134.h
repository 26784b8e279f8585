#pragma once
// The conical spring's drawing sheet, filled by the conical calculator.

#include "shell/DrawingSheet.h"

class Form134 : public DrawingSheet {
    Q_OBJECT
public:
    Form134();
};
