#include "common/StartUp.h"

#include <csignal>

namespace startup {

void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace startup
