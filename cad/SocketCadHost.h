#pragma once
// The drawing host reached over its local socket. Attaching connects to a running host or
// starts DrawingHost from Helidraw's own folder and waits for it. Every call waits for its
// reply; a host that does not answer within 10 s, or a closed connection, fails the call
// with "与绘图主机的连接中断", and the next attach starts afresh.

#include "cad/CadHost.h"

#include <QLocalSocket>
#include <memory>

namespace cad {

class SocketCadHost : public CadHost {
public:
    // Defaults: the current user's socket, DrawingHost beside the running program.
    explicit SocketCadHost(QString socketName = {}, QString hostProgram = {});
    ~SocketCadHost() override;

    void attach() override;

    static constexpr int kTimeoutMs = 10000;

protected:
    QCborValue invoke(const QString& call, const QCborArray& args) override;

private:
    bool tryConnect();
    [[noreturn]] void lost(const QString& call);

    QString socketName_;
    QString hostProgram_;
    std::unique_ptr<QLocalSocket> socket_;
    QByteArray buffer_;
};

} // namespace cad
