#pragma once
// The wave spring's drawing sheet: a plain wave spring (a) and one with flat shims
// at both ends (b). Filled by the wave-spring calculator.

#include "shell/DrawingSheet.h"

class Form136 : public DrawingSheet {
    Q_OBJECT
public:
    Form136();
};
