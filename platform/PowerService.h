#pragma once
// Powering the computer off or restarting it.
//
// The request goes to the session manager (systemd-logind) as an ordinary, orderly shutdown:
// other programs get the chance to save their work, and the user may be asked to
// authorise it. The answer comes back later through the callback, never from inside
// request(), so a caller may safely open a message box in it.

#include <QString>
#include <functional>

class QObject;

class PowerService {
public:
    enum class Action { PowerOff, Restart };
    // Empty when the session accepted the request; otherwise why it was refused.
    using Done = std::function<void(const QString& error)>;

    virtual ~PowerService() = default;
    // The callback runs in the context's thread, and not at all once the context is gone.
    virtual void request(Action action, QObject* context, Done done) = 0;
};

namespace power {

PowerService& service();
// Installs another service (not owned) and returns the previous one; nullptr restores the
// session's. Tests install fakes: no test may switch anything off.
PowerService* install(PowerService* service);

} // namespace power
