#include "cad/host/StopSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace host {

namespace {

// Written before the handler is installed and reset after it is removed.
volatile sig_atomic_t writeEnd = -1;

void onStopSignal(int signalNumber) {
    // Only async-signal-safe work here: one write, errno kept for the code it interrupted.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default action
    notifier_ = new QSocketNotifier(qintptr(pipe_[0]), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::stop);
    writeEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &previous_[i]);
        // A host started in the background by a shell has SIGINT ignored, so that a Ctrl+C
        // meant for the foreground leaves it running, and one started under nohup has SIGHUP
        // ignored, so that it outlives its terminal; each stays so.
        if (previous_[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

StopSignals::~StopSignals() {
    if (pipe_[0] < 0)
        return;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void StopSignals::stop() {
    unsigned char byte = 0;
    if (::read(pipe_[0], &byte, 1) != 1)
        return;
    // exit(), not quit(): a window asking about an unsaved drawing would hold the host when
    // nobody is there to answer.
    QCoreApplication::exit(128 + byte);
}

} // namespace host
