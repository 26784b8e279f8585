#pragma once
// The listening end of a local socket file that only the current user can reach. It takes
// each connection off the queue itself, so that a process out of descriptors turns the
// newcomer away and keeps listening, where QLocalServer would close and remove its socket.

#include <QObject>
#include <QString>
#include <sys/types.h>

class QSocketNotifier;

namespace host {

class SocketListener : public QObject {
    Q_OBJECT
public:
    explicit SocketListener(QObject* parent = nullptr);
    ~SocketListener() override;

    enum class Outcome { Listening, InUse, Failed };
    // Replaces only a socket file left behind, one whose connections are refused: a host that
    // is full or too busy to answer still holds its drawing there, and keeps it (InUse). Any
    // other kind of file at the path is kept and the listen fails.
    Outcome listen(const QString& path);
    // Why the listen did not happen, naming the path as it was given.
    QString errorString() const { return error_; }

signals:
    // A new connection; the receiver owns the descriptor.
    void accepted(int descriptor);

private:
    void acceptPending();
    bool fail(const QString& what);
    bool bindInPlace(const QString& path);

    int fd_ = -1;
    int spare_ = -1; // held back so that a newcomer can still be taken off the queue and closed
    QSocketNotifier* notifier_ = nullptr;
    QString path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    QString error_;
};

} // namespace host
