#include "cad/host/HostServer.h"

#include "cad/protocol/HostMessages.h"

#include "common/StringTable.h"

#include <QLocalSocket>
#include <QTimer>
#include <sys/socket.h>
#include <unistd.h>

namespace host {

namespace {

// Why a body that holds no message is refused.
QCborMap refusalOf(const QByteArray& body) {
    if (!hostproto::withinDecodingBudget(body))
        return hostproto::failure(StringTable::pick("请求的项目太多或嵌套太深", "請求的項目太多或巢狀太深",
                                                    "The request holds too many items or nests too deeply"));
    return hostproto::failure(
        StringTable::pick("请求格式无效", "請求格式無效", "The request is not well formed"));
}

} // namespace

HostServer::HostServer(HostCalls& calls, QObject* parent) : QObject(parent), calls_(calls) {
    connect(&listener_, &SocketListener::accepted, this, &HostServer::accept);
}

HostServer::Start HostServer::listen(const QString& name) {
    switch (listener_.listen(name)) {
    case SocketListener::Outcome::Listening:
        return Start::Listening;
    case SocketListener::Outcome::InUse:
        return Start::AnotherHostServes;
    case SocketListener::Outcome::Failed:
        break;
    }
    return Start::Failed;
}

void HostServer::accept(int descriptor) {
    if (connections_.size() >= size_t(kMaxClients)) {
        // Told why in one frame, without waiting for a client that may not read.
        const QByteArray refusal = hostproto::frame(hostproto::failure(StringTable::pick(
            "绘图主机的连接已满", "繪圖主機的連線已滿", "The drawing host has no free connection")));
        [[maybe_unused]] const ssize_t sent =
            ::send(descriptor, refusal.constData(), size_t(refusal.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        ::close(descriptor);
        return;
    }
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(descriptor);
        delete socket;
        return;
    }
    auto* frameDeadline = new QTimer(socket);
    frameDeadline->setSingleShot(true);
    frameDeadline->setInterval(frameTimeout_);
    connect(frameDeadline, &QTimer::timeout, socket, &QLocalSocket::abort);
    connections_[socket].frameDeadline = frameDeadline;
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] { connections_.erase(socket); });
    if (socket->bytesAvailable() > 0)
        read(socket);
}

void HostServer::read(QLocalSocket* socket) {
    Connection& connection = connections_[socket];
    QByteArray& buffer = connection.pending;
    buffer.append(socket->readAll());
    bool answered = false;
    for (;;) {
        if (hostproto::announcesOversizedFrame(buffer)) {
            // The rest of such a request is not worth reading: say why and hang up.
            socket->write(hostproto::frame(
                hostproto::failure(StringTable::pick("请求太大", "請求太大", "The request is too large"))));
            socket->flush();
            socket->abort();
            return;
        }
        const auto body = hostproto::takeFrameBody(buffer);
        if (!body)
            break;
        // A body that holds no single message is refused like any other bad request. Its
        // header told where it ends, so the next frame is read from the right place and the
        // connection carries on.
        const auto request = hostproto::messageOf(*body);
        socket->write(hostproto::frame(request ? calls_.handle(*request) : refusalOf(*body)));
        answered = true;
        emit requestHandled();
        if (socket->bytesToWrite() > kMaxUnreadReplyBytes) {
            socket->flush();
            if (socket->bytesToWrite() > kMaxUnreadReplyBytes) {
                socket->abort();
                return;
            }
        }
    }
    // The time runs from a frame's first byte; more bytes of the same frame do not extend it.
    if (buffer.isEmpty())
        connection.frameDeadline->stop();
    else if (answered || !connection.frameDeadline->isActive())
        connection.frameDeadline->start();
}

} // namespace host
