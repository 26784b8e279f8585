#pragma once
// Load test of the torsion spring computed in Form9.

#include "calc/normal/LoadTestForm.h"

class Form16 : public LoadTestForm {
    Q_OBJECT
public:
    Form16();
};
