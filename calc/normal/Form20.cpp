#include "calc/normal/Form20.h"

#include "common/ui/FormRegistry.h"

Form20::Form20() : HeatTreatmentForm(QStringLiteral("Form20"), 1201, HeatTreatmentTable::Extension) {}

SPIRELTA_REGISTER_FORM(Form20)
