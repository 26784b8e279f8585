#include "common/SafeSave.h"

#include "common/FileWrite.h"
#include "common/FolderWalk.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safesave {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

void fail(QString* error, int code) {
    if (error)
        *error = filewrite::reason(code);
}

QString randomSuffix() {
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

// Makes the rename itself last; a folder the user may search but not read cannot be opened
// for that, and the file in it is complete all the same.
void syncFolder(int folder) {
    const Descriptor readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable.get() >= 0)
        ::fsync(readable.get());
}

} // namespace

QString resolve(const QString& path, QString* why) {
    const FolderWalk walk(path);
    if (!walk.stopped().isEmpty()) {
        if (why)
            *why = walk.stopped();
        return {};
    }
    return walk.resolved();
}

QString refusal(const QString& path) {
    QString why;
    if (!resolve(path, &why).isEmpty())
        return {};
    return why;
}

bool write(const QString& path, const QByteArray& bytes, QString* error, Access access) {
    // From here on the path is never named again: everything happens inside the folder the walk
    // checked, by its descriptor.
    const FolderWalk walk(path);
    if (!walk.stopped().isEmpty()) {
        if (error)
            *error = walk.stopped();
        return false;
    }
    const int folder = walk.folder();
    if (folder < 0 || walk.name().isEmpty()) {
        fail(error, folder < 0 ? walk.folderError() : EISDIR);
        return false;
    }
    return writeIn(folder, walk.name(), bytes, error, access);
}

bool writeIn(int folder, const QString& name, const QByteArray& bytes, QString* error, Access access) {
    // One name inside the folder; anything with a separator would be looked up by path again.
    if (name.isEmpty() || name.contains(u'/') || name == u'.' || name == QStringLiteral("..")) {
        fail(error, EINVAL);
        return false;
    }
    const QByteArray finalName = native(name);

    struct stat existing {};
    const bool exists = ::fstatat(folder, finalName.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    // Only a regular file is replaced: not a folder, not a device such as /dev/null (which a
    // rename would swap for a plain file), not a link that appeared since it was resolved.
    if (exists && !S_ISREG(existing.st_mode)) {
        fail(error, S_ISDIR(existing.st_mode) ? EISDIR : EPERM);
        return false;
    }
    // A file the user may not write is not replaced behind their back by a rename. Whatever
    // stands under the name is what the rename replaces, so a link put there since is not
    // followed for the check either.
    if (exists && ::faccessat(folder, finalName.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) {
        fail(error, errno);
        return false;
    }

    // A new file beside the target; O_EXCL never opens anything already there, link or not.
    const mode_t mode = access == Access::OwnerOnly || exists ? 0600 : 0666;
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = finalName + '.' + native(randomSuffix());
        fd = ::openat(folder, tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        fail(error, errno);
        return false;
    }

    QString reason;
    if (const int code = filewrite::writeAll(fd, bytes))
        reason = filewrite::reason(code);
    if (reason.isEmpty() && exists && access == Access::Usual && ::fchmod(fd, existing.st_mode & 07777) != 0)
        reason = filewrite::reason(errno);
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = filewrite::reason(errno);
    ::close(fd);
    if (reason.isEmpty() && ::renameat(folder, tempName.constData(), folder, finalName.constData()) != 0)
        reason = filewrite::reason(errno);
    if (!reason.isEmpty()) {
        ::unlinkat(folder, tempName.constData(), 0);
        if (error)
            *error = reason;
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace safesave
