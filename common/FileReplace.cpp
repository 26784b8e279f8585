#include "common/FileReplace.h"

#include "common/SafeSave.h"

#include <QFile>
#include <unistd.h>

bool isReadOnly(const QFileInfo& file) {
    if (file.ownerId() == ::geteuid())
        return !(file.permissions() & QFileDevice::WriteOwner);
    return !file.isWritable();
}

namespace {

// Through the one writer every file the user saves goes through: atomic, keeping the old file on
// any failure, and never through a link another user could have planted.
QString write(const QString& path, const QByteArray& bytes) {
    QString reason;
    return safesave::write(path, bytes, &reason) ? QString() : reason;
}

} // namespace

QString replaceFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (!target.exists() || !isReadOnly(target))
        return write(path, bytes);
    // The new file copies the old one's mode: writable while it is written, read-only after.
    QFile file(path);
    // Without the "user" flags, which speak of this user's access rather than of the mode.
    const QFileDevice::Permissions mode =
        target.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    if (!file.setPermissions(mode | QFileDevice::WriteOwner))
        return file.errorString();
    const QString reason = write(path, bytes);
    file.setPermissions(mode);
    return reason;
}
