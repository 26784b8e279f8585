#include "cad/SocketCadHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>

namespace cad {

SocketCadHost::SocketCadHost(QString socketName, QString hostProgram, Launcher launcher)
    : socketName_(std::move(socketName)), userSocket_(socketName_.isEmpty()),
      hostProgram_(hostProgram.isEmpty()
                       ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("DrawingHost"))
                       : std::move(hostProgram)),
      launcher_(launcher ? std::move(launcher)
                         : [](const QString& program, const QStringList& arguments, const QString& folder) {
                               return QProcess::startDetached(program, arguments, folder);
                           }) {}

SocketCadHost::~SocketCadHost() = default;

bool SocketCadHost::tryConnect(const QDeadlineTimer& deadline) {
    socket_ = std::make_unique<QLocalSocket>();
    buffer_.clear();
    socket_->connectToServer(socketName_);
    if (socket_->waitForConnected(int(std::clamp<qint64>(deadline.remainingTime(), 1, 1000))))
        return true;
    socket_.reset();
    return false;
}

void SocketCadHost::attach() {
    const QString call = QStringLiteral("hello");
    // One limit for the whole attach: a host that has stopped answering must not be waited
    // for once on the old connection and once more on a new one.
    const QDeadlineTimer deadline(kTimeoutMs);
    // Looked at on every attach: the folder may have been replaced since the last one. The
    // connection goes through the folder as it was checked, held open while attaching, so
    // that a folder swapped meanwhile cannot pass the drawing to whoever listens in its place.
    PrivatePath socket;
    if (userSocket_) {
        socket = hostproto::defaultSocketName();
        if (!socket.usable())
            throw HostError(call, socket.refusal);
        socketName_ = socket.anchored();
    }
    if (socket_ && socket_->state() == QLocalSocket::ConnectedState) {
        try {
            exchange(call, {}, deadline);
            return;
        } catch (const HostError&) {
            // The host we knew has gone (closed by the user, or crashed): start afresh, in
            // what is left of the time.
            if (deadline.hasExpired())
                throw;
        }
    }
    connectOrStart(deadline);
    exchange(call, {}, deadline);
}

void SocketCadHost::connectOrStart(const QDeadlineTimer& deadline) {
    const QString call = QStringLiteral("hello");
    if (tryConnect(deadline))
        return;
    const QFileInfo program(hostProgram_);
    if (!program.isFile() || !program.isExecutable())
        throw HostError(call, QStringLiteral("找不到绘图主机程序：") + hostProgram_);
    // A host started for the user's own socket finds and checks that folder itself: the path
    // through this process's descriptor means nothing to another process.
    const QStringList arguments =
        userSocket_ ? QStringList() : QStringList{QStringLiteral("--socket"), socketName_};
    if (!launcher_(program.absoluteFilePath(), arguments, program.absolutePath()))
        throw HostError(call, QStringLiteral("无法启动绘图主机程序：") + hostProgram_);
    forgetActiveUcs();
    // The host needs a moment to open its window and its socket.
    const bool busy = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    bool connected = false;
    while (!connected && !deadline.hasExpired()) {
        connected = tryConnect(deadline);
        if (!connected)
            QThread::msleep(50);
    }
    if (busy)
        QApplication::restoreOverrideCursor();
    if (!connected)
        throw HostError(call, QStringLiteral("绘图主机没有应答：") + hostProgram_);
}

void SocketCadHost::lost(const QString& call) {
    if (socket_) {
        socket_->abort();
        socket_.reset();
    }
    throw HostError(call, hostproto::lostConnectionText());
}

QCborValue SocketCadHost::invoke(const QString& call, const QCborArray& args) {
    return exchange(call, args, QDeadlineTimer(kTimeoutMs));
}

QCborValue SocketCadHost::exchange(const QString& call, const QCborArray& args,
                                   const QDeadlineTimer& deadline) {
    if (deadline.hasExpired() || !socket_ || socket_->state() != QLocalSocket::ConnectedState)
        lost(call);
    socket_->write(hostproto::frame(hostproto::request(call, args)));
    while (socket_->bytesToWrite() > 0) {
        if (socket_->state() != QLocalSocket::ConnectedState || deadline.hasExpired() ||
            !socket_->waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime()))))
            lost(call);
    }
    for (;;) {
        bool malformed = false;
        if (auto reply = hostproto::takeFrame(buffer_, malformed)) {
            if (reply->value(QStringLiteral("ok")).toBool())
                return reply->value(QStringLiteral("result"));
            throw HostError(call, reply->value(QStringLiteral("error")).toString());
        }
        if (malformed)
            lost(call);
        if (socket_->bytesAvailable() > 0) {
            buffer_.append(socket_->readAll());
            continue;
        }
        if (deadline.hasExpired() || socket_->state() != QLocalSocket::ConnectedState)
            lost(call);
        socket_->waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        if (socket_->bytesAvailable() == 0 && socket_->state() != QLocalSocket::ConnectedState)
            lost(call);
    }
}

} // namespace cad
