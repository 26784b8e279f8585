#pragma once
// The tray of the optical drive. Commands are sent to /dev/cdrom (else /dev/sr0) from a
// worker thread, since a tray takes a moment to move; without a drive, or when the drive
// refuses, nothing happens and nothing is said.

#include <QString>
#include <QStringList>

class CdTray {
public:
    virtual ~CdTray() = default;
    virtual void openTray() = 0;
    virtual void closeTray() = 0;
};

namespace cdtray {

enum class Command { Open, Close };
enum class Outcome { Done, NoDrive, Refused };

// Sends one command to the first of the devices that can be opened; blocks until the
// drive answers. Used by the tray's worker.
Outcome send(const QStringList& devices, Command command);

CdTray& tray();
// Installs another tray (not owned) and returns the previous one; nullptr restores the
// machine's. Tests install fakes: no test may move a real tray.
CdTray* install(CdTray* tray);

} // namespace cdtray
