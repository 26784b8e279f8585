#include "common/WizardState.h"

namespace wizard {

float inactiveEndCoils = 0.0f;

} // namespace wizard
