#pragma once
// Load test of the conical spring computed in Form13.

#include "calc/normal/LoadTestForm.h"

class Form18 : public LoadTestForm {
    Q_OBJECT
public:
    Form18();
};
