#pragma once
// Heat-treatment changes of a helical spring.

#include "calc/normal/HeatTreatmentForm.h"

class Form19 : public HeatTreatmentForm {
    Q_OBJECT
public:
    Form19();
};
