#include "common/FolderWalk.h"

#include "common/FileWrite.h"
#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void Descriptor::close() {
    if (fd >= 0)
        ::close(fd);
}

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
bool sharedStickyFolder(int folder) {
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
}

QString refused(int textId, const QString& link) {
    return StringTable::text(textId).arg(QDir::toNativeSeparators(link));
}

// The target of the link the descriptor holds, or empty with errno set.
QString linkTarget(int link) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlinkat(link, "", buffer, sizeof buffer);
    if (length < 0)
        return {};
    return QFile::decodeName(QByteArray(buffer, int(length)));
}

} // namespace

FolderWalk::FolderWalk(const QString& path) {
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    QStringList pending = absolute.split(u'/', Qt::SkipEmptyParts);
    Descriptor root(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    const int rootError = root.get() < 0 ? errno : 0;
    steps_.push_back({QString(), std::move(root), rootError});
    while (!pending.isEmpty()) {
        const QString part = pending.takeFirst();
        if (part == u'.')
            continue;
        // ".." after a link leaves the folder the link led to.
        if (part == QStringLiteral("..")) {
            if (steps_.size() > 1)
                steps_.pop_back();
            continue;
        }
        const int parent = steps_.back().fd.get();
        const QByteArray name = native(part);
        const bool isLast = pending.isEmpty();
        int error = steps_.back().error;
        if (parent >= 0 && !isLast) {
            Descriptor folder(
                ::openat(parent, name.constData(), O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC));
            if (folder.get() >= 0) {
                steps_.push_back({part, std::move(folder)});
                continue;
            }
            error = errno;
        }
        struct stat info {};
        if (parent >= 0 && ::fstatat(parent, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode)) {
            if (!follow(parent, part, &pending))
                return;
            continue;
        }
        if (isLast) {
            last = part;
            return;
        }
        steps_.push_back({part, Descriptor(), error});
    }
}

// Puts the link's target in place of the link among the parts still to walk, when its owner and
// its folder allow it to be followed. The owner and the target come from one descriptor of the
// link: checked and read by name, another user could swap in their own link in between.
bool FolderWalk::follow(int parent, const QString& part, QStringList* pending) {
    const QString named = joined() + u'/' + part;
    const Descriptor link(::openat(parent, native(part).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (link.get() < 0 || ::fstat(link.get(), &info) != 0) {
        stop = filewrite::reason(errno);
        return false;
    }
    // No longer a link: walk the name again as whatever it now is.
    if (!S_ISLNK(info.st_mode)) {
        if (++links > kMaxLinks) {
            stop = filewrite::reason(ELOOP);
            return false;
        }
        pending->prepend(part);
        return true;
    }
    if (!trustedOwner(info.st_uid)) {
        stop = refused(9601, named);
        return false;
    }
    if (sharedStickyFolder(parent)) {
        stop = refused(9602, named);
        return false;
    }
    const QString target = linkTarget(link.get());
    if (target.isEmpty() || ++links > kMaxLinks) {
        stop = filewrite::reason(target.isEmpty() ? errno : ELOOP);
        return false;
    }
    if (target.startsWith(u'/'))
        steps_.erase(steps_.begin() + 1, steps_.end());
    *pending = target.split(u'/', Qt::SkipEmptyParts) + *pending;
    return true;
}

QString FolderWalk::joined() const {
    QString path;
    for (auto step = steps_.begin() + 1; step != steps_.end(); ++step)
        path += u'/' + step->name;
    return path;
}

QString FolderWalk::resolved() const {
    const QString path = last.isEmpty() ? joined() : joined() + u'/' + last;
    return path.isEmpty() ? QStringLiteral("/") : path;
}
