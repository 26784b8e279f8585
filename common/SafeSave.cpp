#include "common/SafeSave.h"

#include "common/FileWrite.h"
#include "common/FolderWalk.h"
#include "common/StringTable.h"

#include <QFile>
#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
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

// The temporary name of the save under way, where a signal handler can read it without a lock:
// the folder's descriptor and a buffer of fixed size. One save at a time has it.
std::atomic<int> unfinishedFolder{-1};
char unfinishedName[32];
std::atomic_flag unfinishedTaken = ATOMIC_FLAG_INIT;

// A name of fixed length, whatever the target's: the target's own name may take every byte
// the file system allows. Hidden, so that a file browser does not show it while it lasts.
QByteArray shortName() {
    return ".~" + QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(16, '0');
}

// The signals that end a program through startup's handler are held back in this thread while
// a temporary name is made and recorded, so that none comes between the two.
class HeldSignals {
public:
    HeldSignals() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &before);
    }
    ~HeldSignals() { ::pthread_sigmask(SIG_SETMASK, &before, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t before;
};

// The temporary file of one save: nameless while it is written where the file system allows
// it, else under a short hidden name, which is recorded for the signal handler while it exists.
class Temporary {
public:
    Temporary(int folder, mode_t mode) : folder(folder) {
        fd = Descriptor(openNameless(mode));
        if (fd.get() >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const HeldSignals held;
            const QByteArray candidate = shortName();
            fd = Descriptor(::openat(folder, candidate.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (fd.get() >= 0) {
                named(candidate);
                return;
            }
            if (errno != EEXIST)
                return;
        }
    }
    ~Temporary() {
        if (!name.isEmpty())
            ::unlinkat(folder, name.constData(), 0);
        forget();
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int get() const { return fd.get(); }

    // Puts the complete file under the final name: replacing what is there, or, to keep what is
    // there, only when nothing is. 0 when done, else the system's error.
    int publish(const QByteArray& finalName, bool keepExisting) {
        if (name.isEmpty()) {
            if (keepExisting)
                return linkNameless(finalName) ? 0 : errno;
            if (!nameNameless())
                return errno;
        }
        if (keepExisting) {
            if (::renameat2(folder, name.constData(), folder, finalName.constData(), RENAME_NOREPLACE) != 0) {
                if (errno != EINVAL && errno != ENOSYS)
                    return errno;
                // A file system that cannot rename without replacing can still link.
                if (::linkat(folder, name.constData(), folder, finalName.constData(), 0) != 0)
                    return errno;
                ::unlinkat(folder, name.constData(), 0);
            }
        } else if (::renameat(folder, name.constData(), folder, finalName.constData()) != 0) {
            return errno;
        }
        name.clear();
        forget();
        return 0;
    }

private:
    int openNameless(mode_t mode) const {
        // Linking it in later goes through /proc; without it the file is named from the start.
        static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
        if (!procFds) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    }

    // A link made through /proc names the open file itself (AT_EMPTY_PATH would need a
    // capability); linkat never replaces anything.
    bool linkNameless(const QByteArray& target) const {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd.get());
        return ::linkat(AT_FDCWD, self.constData(), folder, target.constData(), AT_SYMLINK_FOLLOW) == 0;
    }

    bool nameNameless() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const HeldSignals held;
            const QByteArray candidate = shortName();
            if (linkNameless(candidate)) {
                named(candidate);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    void named(const QByteArray& candidate) {
        name = candidate;
        if (unfinishedTaken.test_and_set())
            return; // another thread's save has the place; this name is removed as usual
        std::memcpy(unfinishedName, name.constData(), size_t(name.size()) + 1);
        unfinishedFolder.store(folder);
        recorded = true;
    }

    void forget() {
        if (!recorded)
            return;
        unfinishedFolder.store(-1);
        unfinishedTaken.clear();
        recorded = false;
    }

    int folder;
    Descriptor fd;
    QByteArray name;
    bool recorded = false;
};

// Makes the rename itself last; a folder the user may search but not read cannot be opened
// for that, and the file in it is complete all the same.
void syncFolder(int folder) {
    const Descriptor readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable.get() >= 0)
        ::fsync(readable.get());
}

QString notRegular() {
    return StringTable::text(9603);
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

bool write(const QString& path, const QByteArray& bytes, QString* error, Access access, Existing existing) {
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
    return writeIn(folder, walk.name(), bytes, error, access, existing);
}

bool writeIn(int folder, const QString& name, const QByteArray& bytes, QString* error, Access access,
             Existing existing) {
    // One name inside the folder; anything with a separator would be looked up by path again.
    if (name.isEmpty() || name.contains(u'/') || name == u'.' || name == QStringLiteral("..")) {
        fail(error, EINVAL);
        return false;
    }
    const QByteArray finalName = native(name);

    struct stat old {};
    const bool exists = ::fstatat(folder, finalName.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    // Only a regular file is replaced: not a folder, not a device such as /dev/null (which a
    // rename would swap for a plain file), not a link that appeared since it was resolved.
    if (exists && !S_ISREG(old.st_mode)) {
        if (S_ISDIR(old.st_mode))
            fail(error, EISDIR);
        else if (error)
            *error = notRegular();
        return false;
    }
    if (exists && existing == Existing::Keep)
        return true;
    // A file the user may not write is not replaced behind their back by a rename, unless it is
    // their own and they were asked. Whatever stands under the name is what the rename
    // replaces, so a link put there since is not followed for the check either.
    const bool askedAboutOwn = existing == Existing::ReplaceOwnReadOnly && old.st_uid == ::geteuid();
    if (exists && !askedAboutOwn &&
        ::faccessat(folder, finalName.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) {
        fail(error, errno);
        return false;
    }

    // The new file gets the old one's mode on its own descriptor, once it is written: a
    // read-only file is replaced by one as read-only, and no mode is ever changed by name.
    const mode_t mode = access == Access::OwnerOnly || exists ? 0600 : 0666;
    Temporary temporary(folder, mode);
    if (temporary.get() < 0) {
        fail(error, errno);
        return false;
    }
    int code = filewrite::writeAll(temporary.get(), bytes);
    if (code == 0 && exists && access == Access::Usual && ::fchmod(temporary.get(), old.st_mode & 07777) != 0)
        code = errno;
    if (code == 0 && ::fsync(temporary.get()) != 0)
        code = errno;
    if (code == 0)
        code = temporary.publish(finalName, existing == Existing::Keep);
    if (code == EEXIST && existing == Existing::Keep) {
        // Another copy of the program made it meanwhile: theirs stays, if it is a file.
        struct stat made {};
        if (::fstatat(folder, finalName.constData(), &made, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(made.st_mode))
            code = 0;
    }
    if (code != 0) {
        fail(error, code);
        return false;
    }
    syncFolder(folder);
    return true;
}

bool makeFolders(const QString& path, QString* error) {
    // One missing folder per walk, made inside the folder the walk above it checked; the next
    // walk checks the new one as it checks any other.
    for (int round = 0; round < 256; ++round) {
        const FolderWalk walk(path + QStringLiteral("/."));
        if (!walk.stopped().isEmpty()) {
            if (error)
                *error = walk.stopped();
            return false;
        }
        const std::vector<FolderWalk::Step>& steps = walk.steps();
        size_t missing = 0;
        while (missing < steps.size() && steps[missing].fd.get() >= 0)
            ++missing;
        if (missing == steps.size())
            return true;
        if (missing == 0 || steps[missing].error != ENOENT) {
            fail(error, steps[missing].error);
            return false;
        }
        const QByteArray name = native(steps[missing].name);
        if (::mkdirat(steps[missing - 1].fd.get(), name.constData(), 0777) != 0 && errno != EEXIST) {
            fail(error, errno);
            return false;
        }
    }
    fail(error, ELOOP);
    return false;
}

void removeUnfinished() noexcept {
    const int folder = unfinishedFolder.load();
    if (folder >= 0)
        ::unlinkat(folder, unfinishedName, 0);
}

} // namespace safesave
