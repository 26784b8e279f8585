#include "common/WizardState.h"

namespace wizard {

State state;

void resetAll() {
    state = State{};
}

} // namespace wizard
