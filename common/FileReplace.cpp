#include "common/FileReplace.h"

#include "common/SafeSave.h"

#include <unistd.h>

bool isReadOnly(const QFileInfo& file) {
    if (file.ownerId() == ::geteuid())
        return !(file.permissions() & QFileDevice::WriteOwner);
    return !file.isWritable();
}

QString replaceFile(const QString& path, const QByteArray& bytes) {
    // Through the one writer every file the user saves goes through: atomic, keeping the old
    // file on any failure, and never through a link another user could have planted. The new
    // file takes the old one's mode on its own descriptor, so a read-only file is replaced
    // without its mode (or another file's, through a link swapped in) ever being changed by name.
    QString reason;
    return safesave::write(path, bytes, &reason, safesave::Access::Usual,
                           safesave::Existing::ReplaceOwnReadOnly)
               ? QString()
               : reason;
}
