#pragma once
// Load test of the extension spring computed in Form10.

#include "calc/normal/LoadTestForm.h"

class Form17 : public LoadTestForm {
    Q_OBJECT
public:
    Form17();
};
