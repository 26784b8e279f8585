#pragma once
// The drawing host reached over its local socket. Attaching connects to a running host or
// starts DrawingHost from Helidraw's own folder and waits for it. Every call waits for its
// reply; a host that does not answer within 10 s, or a closed connection, fails the call
// with "与绘图主机的连接中断", and the next attach starts afresh. Attaching has the same 10 s
// in all, whether it asks the known host, connects anew or starts one.

#include "cad/CadHost.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStringList>
#include <functional>
#include <memory>

namespace cad {

class SocketCadHost : public CadHost {
public:
    // Starts the host program with its arguments in its folder; false when it could not.
    using Launcher =
        std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>;

    // Defaults: the current user's socket (attach fails with the reason when its folder may not
    // be used, and nothing is reached or started there), DrawingHost beside the running program, started
    // detached so that it outlives Helidraw.
    explicit SocketCadHost(QString socketName = {}, QString hostProgram = {}, Launcher launcher = {});
    ~SocketCadHost() override;

    void attach() override;

    static constexpr int kTimeoutMs = 10000;

protected:
    QCborValue invoke(const QString& call, const QCborArray& args) override;

private:
    bool tryConnect(const QDeadlineTimer& deadline);
    void connectOrStart(const QDeadlineTimer& deadline);
    QCborValue exchange(const QString& call, const QCborArray& args, const QDeadlineTimer& deadline);
    [[noreturn]] void lost(const QString& call);

    QString socketName_;
    // The socket is the user's own, in a private folder checked before each attach.
    bool userSocket_;
    QString hostProgram_;
    Launcher launcher_;
    std::unique_ptr<QLocalSocket> socket_;
    QByteArray buffer_;
};

} // namespace cad
