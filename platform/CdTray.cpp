#include "platform/CdTray.h"

#include <QThreadPool>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace cdtray {

Outcome send(const QStringList& devices, Command command) {
    for (const QString& device : devices) {
        // Non-blocking, so that an empty drive can still be opened for the ioctl.
        const int fd = ::open(device.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            continue;
        const int result = ::ioctl(fd, command == Command::Open ? CDROMEJECT : CDROMCLOSETRAY, 0);
        ::close(fd);
        return result == 0 ? Outcome::Done : Outcome::Refused;
    }
    return Outcome::NoDrive;
}

namespace {

class DriveTray : public CdTray {
public:
    DriveTray() { worker_.setMaxThreadCount(1); } // one command at a time, in click order
    void openTray() override { post(Command::Open); }
    void closeTray() override { post(Command::Close); }

private:
    void post(Command command) {
        worker_.start([command] {
            send({QStringLiteral("/dev/cdrom"), QStringLiteral("/dev/sr0")}, command);
        });
    }
    QThreadPool worker_;
};

CdTray* current = nullptr;

DriveTray& drive() {
    static DriveTray tray;
    return tray;
}

} // namespace

CdTray& tray() {
    return current ? *current : drive();
}

CdTray* install(CdTray* tray) {
    CdTray* previous = current ? current : &drive();
    current = tray;
    return previous;
}

} // namespace cdtray
