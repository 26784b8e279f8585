#include "common/FileReplace.h"

#include <QFile>
#include <QSaveFile>
#include <unistd.h>

bool isReadOnly(const QFileInfo& file) {
    if (file.ownerId() == ::geteuid())
        return !(file.permissions() & QFileDevice::WriteOwner);
    return !file.isWritable();
}

namespace {

QString write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() flushes, syncs and renames; a failure at any step keeps the old file.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return {};
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
