#pragma once
// The compression spring's drawing sheet. Filled by the compression calculator;
// the main window's popup command opens it unfilled.

#include "shell/DrawingSheet.h"

class Form63 : public DrawingSheet {
    Q_OBJECT
public:
    Form63();
};
