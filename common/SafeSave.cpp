#include "common/SafeSave.h"

#include "common/FileWrite.h"
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
#include <utility>
#include <vector>

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
bool sharedStickyFolder(int folder) {
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
}

QString refused(int textId, const QString& link) {
    return StringTable::text(textId).arg(QDir::toNativeSeparators(link));
}

// The link's target, or empty with errno set.
QString linkTarget(int folder, const QByteArray& link) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlinkat(folder, link.constData(), buffer, sizeof buffer);
    if (length < 0)
        return {};
    return QFile::decodeName(QByteArray(buffer, int(length)));
}

void fail(QString* error, int code) {
    if (error)
        *error = filewrite::reason(code);
}

QString randomSuffix() {
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

// Closes the file descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            close();
            fd = std::exchange(other.fd, -1);
        }
        return *this;
    }
    ~Descriptor() { close(); }
    int get() const { return fd; }

private:
    void close() {
        if (fd >= 0)
            ::close(fd);
    }
    int fd;
};

// The path walked as the system would walk it, one part at a time, so that a link anywhere on
// the way counts, not only the last one. Each folder is opened without following links and
// held by descriptor; a link is read, and followed only when the rules allow it, by walking its
// target in its place. Whatever is done with the file afterwards is done relative to the last
// folder's descriptor: another user who swaps a folder on the path for a link once it was
// checked changes nothing, since the descriptor still names the folder that was checked.
class Walk {
public:
    explicit Walk(const QString& path);

    // The refusal, or the error that stopped the walk; empty when it reached the end.
    const QString& stopped() const { return stop; }
    // The path with every link followed.
    QString resolved() const;
    // The folder the path's last part lies in, or -1 when a folder on the way is missing or
    // cannot be opened, for the reason folderError().
    int folder() const { return steps.back().fd.get(); }
    int folderError() const { return steps.back().error; }
    // The last part, inside folder(); empty when the path names a folder itself.
    const QString& name() const { return last; }

private:
    // A folder on the way; a missing one has no descriptor, and neither has any below it.
    struct Step {
        QString name;
        Descriptor fd;
        int error = 0;
    };
    QString joined() const;
    bool follow(int parent, const QString& part, const struct stat& link, QStringList* pending);

    std::vector<Step> steps; // the root first
    QString last;
    QString stop;
    int links = 0;
};

Walk::Walk(const QString& path) {
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    QStringList pending = absolute.split(u'/', Qt::SkipEmptyParts);
    Descriptor root(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    const int rootError = root.get() < 0 ? errno : 0;
    steps.push_back({QString(), std::move(root), rootError});
    while (!pending.isEmpty()) {
        const QString part = pending.takeFirst();
        if (part == u'.')
            continue;
        // ".." after a link leaves the folder the link led to.
        if (part == QStringLiteral("..")) {
            if (steps.size() > 1)
                steps.pop_back();
            continue;
        }
        const int parent = steps.back().fd.get();
        const QByteArray name = native(part);
        const bool isLast = pending.isEmpty();
        int error = steps.back().error;
        if (parent >= 0 && !isLast) {
            Descriptor folder(
                ::openat(parent, name.constData(), O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC));
            if (folder.get() >= 0) {
                steps.push_back({part, std::move(folder)});
                continue;
            }
            error = errno;
        }
        struct stat info {};
        if (parent >= 0 && ::fstatat(parent, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(info.st_mode)) {
            if (!follow(parent, part, info, &pending))
                return;
            continue;
        }
        if (isLast) {
            last = part;
            return;
        }
        steps.push_back({part, Descriptor(), error});
    }
}

// Puts the link's target in place of the link among the parts still to walk, when its owner and
// its folder allow it to be followed.
bool Walk::follow(int parent, const QString& part, const struct stat& link, QStringList* pending) {
    const QString named = joined() + u'/' + part;
    if (!trustedOwner(link.st_uid)) {
        stop = refused(9601, named);
        return false;
    }
    if (sharedStickyFolder(parent)) {
        stop = refused(9602, named);
        return false;
    }
    const QString target = linkTarget(parent, native(part));
    if (target.isEmpty() || ++links > kMaxLinks) {
        stop = filewrite::reason(target.isEmpty() ? errno : ELOOP);
        return false;
    }
    if (target.startsWith(u'/'))
        steps.erase(steps.begin() + 1, steps.end());
    *pending = target.split(u'/', Qt::SkipEmptyParts) + *pending;
    return true;
}

QString Walk::joined() const {
    QString path;
    for (auto step = steps.begin() + 1; step != steps.end(); ++step)
        path += u'/' + step->name;
    return path;
}

QString Walk::resolved() const {
    const QString path = last.isEmpty() ? joined() : joined() + u'/' + last;
    return path.isEmpty() ? QStringLiteral("/") : path;
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
    const Walk walk(path);
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
    const Walk walk(path);
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
