#pragma once
// The host's end of the local socket: accepts Helidraw's connections (current user only),
// answers each request in order.

#include "cad/host/HostCalls.h"

#include <QLocalServer>
#include <QObject>
#include <map>

class QLocalSocket;

namespace host {

class HostServer : public QObject {
    Q_OBJECT
public:
    HostServer(HostCalls& calls, QObject* parent = nullptr);

    enum class Start { Listening, AnotherHostAnswers, Failed };
    // A host that already answers on the name keeps it; a socket file left behind by a
    // host that crashed is removed first.
    Start listen(const QString& name);
    QString errorString() const { return server_.errorString(); }

signals:
    // Emitted after each request was answered (the view refreshes when they pause).
    void requestHandled();

private:
    void accept();
    void read(QLocalSocket* socket);

    HostCalls& calls_;
    QLocalServer server_;
    std::map<QLocalSocket*, QByteArray> buffers_; // bytes of requests not complete yet
};

// True when a host answers a hello on that name within the time.
bool hostAnswers(const QString& name, int timeoutMs = 1000);

} // namespace host
