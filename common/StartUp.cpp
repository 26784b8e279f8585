#include "common/StartUp.h"

#include "common/SafeSave.h"

#include <QByteArrayList>
#include <QtGlobal>
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

bool isAbsolute(const QByteArray& path) {
    return path.startsWith('/');
}

} // namespace

void ignoreRelativeBaseFolders() {
    for (const char* single :
         {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        if (qEnvironmentVariableIsSet(single) && !isAbsolute(qgetenv(single)))
            qunsetenv(single);
    }
    for (const char* list : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) {
        if (!qEnvironmentVariableIsSet(list))
            continue;
        QByteArrayList kept;
        for (const QByteArray& entry : qgetenv(list).split(':'))
            if (isAbsolute(entry))
                kept << entry;
        if (kept.isEmpty())
            qunsetenv(list);
        else
            qputenv(list, kept.join(':'));
    }
}

void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
    ignoreRelativeBaseFolders();
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
