#include "platform/PowerService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QTimer>

namespace {

// Asking interactively may open the desktop's authorisation dialog; give the user time to
// answer it before the call counts as unanswered.
constexpr int replyTimeoutMs = 10 * 60 * 1000;

class LogindPowerService : public PowerService {
public:
    void request(Action action, QObject* context, Done done) override {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected()) {
            QString error = bus.lastError().message();
            if (error.isEmpty())
                error = QStringLiteral("The system bus is not available.");
            QTimer::singleShot(0, context, [done = std::move(done), error] { done(error); });
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"),
            action == Action::PowerOff ? QStringLiteral("PowerOff") : QStringLiteral("Reboot"));
        call << true; // interactive: the user may be asked to authorise
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, replyTimeoutMs), context);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                         [watcher, done = std::move(done)] {
                             watcher->deleteLater();
                             const QDBusPendingReply<> reply = *watcher;
                             if (!reply.isError()) {
                                 done(QString());
                                 return;
                             }
                             const QString message = reply.error().message();
                             done(message.isEmpty() ? reply.error().name() : message);
                         });
    }
};

LogindPowerService logind;
PowerService* current = &logind;

} // namespace

namespace power {

PowerService& service() {
    return *current;
}

PowerService* install(PowerService* service) {
    PowerService* previous = current;
    current = service ? service : &logind;
    return previous;
}

} // namespace power
