#pragma once
// Load test of the compression spring computed in Form8.

#include "calc/normal/LoadTestForm.h"

class Form15 : public LoadTestForm {
    Q_OBJECT
public:
    Form15();
};
