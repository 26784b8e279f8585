#include "cad/host/HostServer.h"

#include "cad/protocol/HostMessages.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace host {

bool hostAnswers(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(hostproto::frame(hostproto::request(QStringLiteral("hello"), {})));
    QByteArray buffer;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        bool malformed = false;
        if (auto reply = hostproto::takeFrame(buffer, malformed))
            return reply->value(QStringLiteral("ok")).toBool();
        if (malformed)
            return false;
        if (!socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            return false;
        buffer.append(socket.readAll());
    }
    return false;
}

HostServer::HostServer(HostCalls& calls, QObject* parent) : QObject(parent), calls_(calls) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HostServer::accept);
}

HostServer::Start HostServer::listen(const QString& name) {
    if (hostAnswers(name))
        return Start::AnotherHostAnswers;
    QLocalServer::removeServer(name);
    return server_.listen(name) ? Start::Listening : Start::Failed;
}

void HostServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        buffers_[socket];
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { buffers_.erase(socket); });
        if (socket->bytesAvailable() > 0)
            read(socket);
    }
}

void HostServer::read(QLocalSocket* socket) {
    QByteArray* buffer = &buffers_[socket];
    buffer->append(socket->readAll());
    for (;;) {
        bool malformed = false;
        const auto request = hostproto::takeFrame(*buffer, malformed);
        if (malformed) {
            // A peer that does not speak the protocol is not answered.
            socket->abort();
            return;
        }
        if (!request)
            break;
        socket->write(hostproto::frame(calls_.handle(*request)));
        emit requestHandled();
    }
}

} // namespace host
