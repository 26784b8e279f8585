#include "common/StartUp.h"

#include "common/SafeSave.h"

#include <csignal>

namespace startup {

namespace {

// Only async-signal-safe work: remove what a save cut short would leave, then end as the
// signal would have ended the program without us.
void endAfterCleanUp(int signalNumber) {
    safesave::removeUnfinished();
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signalNumber, &byDefault, nullptr);
    // Held until the handler returns, then delivered with its default action.
    ::raise(signalNumber);
}

} // namespace

void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
    struct sigaction cleanUp {};
    cleanUp.sa_handler = endAfterCleanUp;
    sigemptyset(&cleanUp.sa_mask);
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction before {};
        ::sigaction(signalNumber, nullptr, &before);
        // A program started in the background with the signal ignored keeps ignoring it.
        if (before.sa_handler != SIG_IGN)
            ::sigaction(signalNumber, &cleanUp, nullptr);
    }
}

} // namespace startup
