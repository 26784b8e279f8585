#include "calc/normal/Form19.h"

#include "common/ui/FormRegistry.h"

Form19::Form19() : HeatTreatmentForm(QStringLiteral("Form19"), 1542, HeatTreatmentTable::General) {}

SPIRELTA_REGISTER_FORM(Form19)
