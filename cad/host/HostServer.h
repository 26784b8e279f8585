#pragma once
// The host's end of the local socket: accepts Helidraw's connections (current user only),
// answers each request in order. What one client sends or leaves unread is bounded, so that
// no client can starve the host or the others.

#include "cad/host/HostCalls.h"
#include "cad/host/SocketListener.h"

#include <QObject>
#include <chrono>
#include <map>

class QLocalSocket;
class QTimer;

namespace host {

class HostServer : public QObject {
    Q_OBJECT
public:
    HostServer(HostCalls& calls, QObject* parent = nullptr);

    // Helidraw holds one connection per input window, and a starting host asks once: far
    // fewer than this. Connections beyond it are refused.
    static constexpr int kMaxClients = 16;
    // Helidraw reads each reply before its next call; a client that leaves this much unread
    // is dropped.
    static constexpr qint64 kMaxUnreadReplyBytes = 1024 * 1024;
    // A frame crosses the local socket in moments, and Helidraw writes each one whole. A client
    // whose frame is still incomplete this long after its first byte is dropped, so that
    // clients stopped (or trickling) in the middle of a frame cannot hold every connection.
    // Connections idle between frames are kept: Helidraw holds one per input window.
    static constexpr std::chrono::milliseconds kFrameTimeout = std::chrono::seconds(30);

    enum class Start { Listening, AnotherHostServes, Failed };
    // A host that listens on the name keeps it, whether it answers, is busy or is full; only
    // a socket file whose connections are refused (its host has gone) is replaced. Any other
    // file is left alone.
    Start listen(const QString& name);
    // Why the host does not listen, for either refusal.
    QString errorString() const { return listener_.errorString(); }
    // For connections accepted from now on (tests shorten it).
    void setFrameTimeout(std::chrono::milliseconds timeout) { frameTimeout_ = timeout; }

signals:
    // Emitted after each request was answered (the view refreshes when they pause).
    void requestHandled();

private:
    void accept(int descriptor);
    void read(QLocalSocket* socket);

    struct Connection {
        QByteArray pending;              // bytes of a request not complete yet
        QTimer* frameDeadline = nullptr; // runs while a frame is incomplete; drops the client
    };

    HostCalls& calls_;
    SocketListener listener_;
    std::map<QLocalSocket*, Connection> connections_;
    std::chrono::milliseconds frameTimeout_ = kFrameTimeout;
};

} // namespace host
