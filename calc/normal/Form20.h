#pragma once
// Heat-treatment changes of an extension spring.

#include "calc/normal/HeatTreatmentForm.h"

class Form20 : public HeatTreatmentForm {
    Q_OBJECT
public:
    Form20();
};
