#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, a session or terminal that ends) into the
// end of the event loop, so that the host leaves as on a normal quit: its objects are destroyed
// and its socket file goes, where the default action would leave the file behind. The handler
// only writes the signal's number into a pipe; the event loop reads it and exits with 128 plus
// that number, the status a shell reports for a process the signal ended.

#include <QObject>
#include <csignal>
#include <iterator>

class QSocketNotifier;

namespace host {

class StopSignals : public QObject {
    Q_OBJECT
public:
    // One at a time: the handler reaches the pipe through a process-wide descriptor.
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

private:
    void stop();

    static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

    int pipe_[2] = {-1, -1};
    struct sigaction previous_[std::size(kSignals)] = {};
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace host
