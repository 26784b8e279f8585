#include "common/SafeSave.h"

#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safesave {

namespace {

// The kernel gives up after 40 links in one path; so do we.
constexpr int kMaxLinks = 40;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Links the user made, and the system's own (a root-owned /home pointing elsewhere).
bool trustedOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// A folder every user may create entries in, where the sticky bit only stops them deleting
// each other's: /tmp, /var/tmp, /dev/shm.
bool sharedStickyFolder(const QString& folder) {
    struct stat info {};
    if (::stat(native(folder.isEmpty() ? QStringLiteral("/") : folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
}

QString refused(int textId, const QString& link, QString* why) {
    if (why)
        *why = StringTable::text(textId).arg(QDir::toNativeSeparators(link));
    return {};
}

QString linkTarget(const QString& link) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(native(link).constData(), buffer, sizeof buffer);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(buffer, int(length)));
}

void fail(QString* error, int code) {
    if (error)
        *error = qt_error_string(code);
}

QString randomSuffix() {
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

} // namespace

QString resolve(const QString& path, QString* why) {
    // Each part is looked at as the system would walk it, so a link anywhere on the way counts,
    // not only the last one; ".." after a link leaves the folder the link led to.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    QStringList pending = absolute.split(u'/', Qt::SkipEmptyParts);
    QString current; // the resolved folder so far, free of links; empty for the root
    int links = 0;
    while (!pending.isEmpty()) {
        const QString part = pending.takeFirst();
        if (part == u'.')
            continue;
        if (part == QStringLiteral("..")) {
            current.truncate(qMax(0, current.lastIndexOf(u'/')));
            continue;
        }
        const QString next = current + u'/' + part;
        struct stat info {};
        if (::lstat(native(next).constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            current = next;
            continue;
        }
        if (!trustedOwner(info.st_uid))
            return refused(9601, next, why);
        if (sharedStickyFolder(current))
            return refused(9602, next, why);
        const QString target = linkTarget(next);
        if (target.isEmpty() || ++links > kMaxLinks) {
            if (why)
                *why = qt_error_string(target.isEmpty() ? errno : ELOOP);
            return {};
        }
        if (target.startsWith(u'/'))
            current.clear();
        pending = target.split(u'/', Qt::SkipEmptyParts) + pending;
    }
    return current.isEmpty() ? QStringLiteral("/") : current;
}

QString refusal(const QString& path) {
    QString why;
    if (!resolve(path, &why).isEmpty())
        return {};
    return why;
}

bool write(const QString& path, const QByteArray& bytes, QString* error, Access access) {
    const QString target = resolve(path, error);
    if (target.isEmpty())
        return false;
    const QByteArray finalName = native(target);

    struct stat existing {};
    const bool exists = ::lstat(finalName.constData(), &existing) == 0;
    // Only a regular file is replaced: not a folder, not a device such as /dev/null (which a
    // rename would swap for a plain file), not a link that appeared since it was resolved.
    if (exists && !S_ISREG(existing.st_mode)) {
        fail(error, S_ISDIR(existing.st_mode) ? EISDIR : EPERM);
        return false;
    }
    // A file the user may not write is not replaced behind their back by a rename.
    if (exists && ::faccessat(AT_FDCWD, finalName.constData(), W_OK, AT_EACCESS) != 0) {
        fail(error, errno);
        return false;
    }

    // A new file beside the target; O_EXCL never opens anything already there, link or not.
    const mode_t mode = access == Access::OwnerOnly || exists ? 0600 : 0666;
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = finalName + '.' + native(randomSuffix());
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        fail(error, errno);
        return false;
    }

    QFile out;
    QString reason;
    if (!out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) ||
        out.write(bytes) != bytes.size() || !out.flush())
        reason = out.errorString().isEmpty() ? qt_error_string(EIO) : out.errorString();
    out.close();
    if (reason.isEmpty() && exists && access == Access::Usual && ::fchmod(fd, existing.st_mode & 07777) != 0)
        reason = qt_error_string(errno);
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = qt_error_string(errno);
    ::close(fd);
    if (reason.isEmpty() && ::rename(tempName.constData(), finalName.constData()) != 0)
        reason = qt_error_string(errno);
    if (!reason.isEmpty()) {
        ::unlink(tempName.constData());
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

} // namespace safesave
