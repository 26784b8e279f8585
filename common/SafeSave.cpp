#include "common/SafeSave.h"

#include "common/FileWrite.h"
#include "common/FolderWalk.h"
#include "common/SaveTemporary.h"
#include "common/StringTable.h"

#include <QFile>
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
    Temporary::removeUnfinished();
}

} // namespace safesave
