#include "common/PrivateFolder.h"

#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Fault { None, NotCreated, NotAFolder, ForeignOwner, OpenToOthers, NotPrivate, Link };

// Why a folder may not be used, and which one: a folder on the way may be at fault as well as
// the private folder itself.
struct Refusal {
    Fault fault = Fault::None;
    QString folder;
    QString text; // given by the walk for a link it will not follow
};

// A folder the system or the user owns, that no other user may add to or take from (a
// sticky folder only lets them add entries of their own, which the owner check refuses).
// A group-writable folder counts as the user's own only when the group is the user's.
Fault ownedSafely(int folder) {
    struct stat seen {};
    if (::fstat(folder, &seen) != 0 || !S_ISDIR(seen.st_mode))
        return Fault::NotAFolder;
    if (seen.st_uid != ::geteuid() && seen.st_uid != 0)
        return Fault::ForeignOwner;
    const bool sticky = seen.st_mode & S_ISVTX;
    const bool othersWrite =
        (seen.st_mode & S_IWOTH) || ((seen.st_mode & S_IWGRP) && seen.st_gid != ::getegid());
    return othersWrite && !sticky ? Fault::OpenToOthers : Fault::None;
}

// Makes `name` inside the checked folder `parent` when it is missing, and opens it without
// following a link.
Descriptor makeFolderIn(int parent, const QString& name, int flags) {
    const QByteArray native = QFile::encodeName(name);
    if (::mkdirat(parent, native.constData(), 0700) != 0 && errno != EEXIST)
        return Descriptor();
    return Descriptor(::openat(parent, native.constData(), flags | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// Walks the folders that lead to the private one, refusing any that another user could change,
// and makes those that are missing below the last one found; each step is taken relative to the
// folder checked before it, so none is looked up by name again. `parent` receives the last.
Refusal walkTo(const QString& parentPath, Descriptor* parent) {
    // The trailing "." makes the walk open the parent itself as a folder, following the user's
    // own link such as ~/.cache.
    const FolderWalk walk(parentPath + QStringLiteral("/."));
    if (!walk.stopped().isEmpty())
        return {Fault::Link, parentPath, walk.stopped()};
    QString reached;
    int at = -1;
    Descriptor made;
    for (const FolderWalk::Step& step : walk.steps()) {
        if (!step.name.isEmpty())
            reached += u'/' + step.name;
        const QString shown = reached.isEmpty() ? QStringLiteral("/") : reached;
        if (step.fd.get() >= 0) {
            at = step.fd.get();
        } else {
            if (at < 0 || (step.error != ENOENT && step.error != 0))
                return {Fault::NotCreated, shown, {}};
            made = makeFolderIn(at, step.name, O_PATH);
            if (made.get() < 0)
                return {Fault::NotCreated, shown, {}};
            at = made.get();
        }
        if (const Fault fault = ownedSafely(at); fault != Fault::None)
            return {fault, shown, {}};
    }
    *parent = Descriptor(::fcntl(at, F_DUPFD_CLOEXEC, 0));
    return parent->get() < 0 ? Refusal{Fault::NotCreated, parentPath, {}} : Refusal{};
}

// Makes the folder private to the user, creating it 0700 when missing. The folder is opened
// without following a link, relative to its checked parent, and checked and changed through
// that one descriptor, so a folder swapped for a link meanwhile is never the one used.
Refusal makePrivate(const QString& folder, Descriptor* held) {
    const QString cleaned = QDir::cleanPath(folder);
    const qsizetype slash = cleaned.lastIndexOf(u'/');
    const QString name = cleaned.mid(slash + 1);
    if (!QDir::isAbsolutePath(cleaned) || name.isEmpty() || name == QStringLiteral(".."))
        return {Fault::NotCreated, folder, {}};
    Descriptor parent;
    if (Refusal onTheWay = walkTo(cleaned.left(slash), &parent); onTheWay.fault != Fault::None)
        return onTheWay;
    Descriptor fd = makeFolderIn(parent.get(), name, O_RDONLY);
    if (fd.get() < 0) {
        struct stat seen {};
        const QByteArray native = QFile::encodeName(name);
        if (::fstatat(parent.get(), native.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
            return {Fault::NotCreated, folder, {}};
        if (!S_ISDIR(seen.st_mode))
            return {Fault::NotAFolder, folder, {}};
        return {seen.st_uid == ::geteuid() ? Fault::NotPrivate : Fault::ForeignOwner, folder, {}};
    }
    struct stat seen {};
    if (::fstat(fd.get(), &seen) != 0 || !S_ISDIR(seen.st_mode))
        return {Fault::NotAFolder, folder, {}};
    if (seen.st_uid != ::geteuid())
        return {Fault::ForeignOwner, folder, {}};
    if ((seen.st_mode & 07777) != 0700 &&
        (::fchmod(fd.get(), 0700) != 0 || ::fstat(fd.get(), &seen) != 0 || (seen.st_mode & 077) != 0))
        return {Fault::NotPrivate, folder, {}};
    *held = std::move(fd);
    return {};
}

QString refusalText(const Refusal& refusal) {
    const QString shown = QDir::toNativeSeparators(refusal.folder);
    switch (refusal.fault) {
    case Fault::None:
        return {};
    case Fault::Link:
        return refusal.text;
    case Fault::NotCreated:
        return StringTable::pick("无法创建文件夹 %1。", "無法建立資料夾 %1。",
                                 "The folder %1 could not be created.")
            .arg(shown);
    case Fault::NotAFolder:
        return StringTable::pick(
                   "%1 不是真正的文件夹（是链接或文件），为安全起见不予使用。",
                   "%1 不是真正的資料夾（是連結或檔案），為安全起見不予使用。",
                   "%1 is not a real folder (it is a link or a file); for safety it is not used.")
            .arg(shown);
    case Fault::ForeignOwner:
        return StringTable::pick("文件夹 %1 属于其他用户，为安全起见不予使用。",
                                 "資料夾 %1 屬於其他使用者，為安全起見不予使用。",
                                 "The folder %1 belongs to another user; for safety it is not used.")
            .arg(shown);
    case Fault::OpenToOthers:
        return StringTable::pick("其他用户可以更改文件夹 %1，为安全起见不予使用。",
                                 "其他使用者可以變更資料夾 %1，為安全起見不予使用。",
                                 "Other users may change the folder %1; for safety it is not used.")
            .arg(shown);
    case Fault::NotPrivate:
        return StringTable::pick(
                   "文件夹 %1 无法设为仅本用户可用，为安全起见不予使用。",
                   "資料夾 %1 無法設為僅限本使用者使用，為安全起見不予使用。",
                   "The folder %1 could not be made private to this user; for safety it is not used.")
            .arg(shown);
    }
    return {};
}

PrivatePath checkedFolder(const QString& path, Descriptor held) {
    return {path, {}, std::make_shared<const Descriptor>(std::move(held)), {}};
}

// A base folder named by the environment; the base-directory rules make a relative value
// invalid, to be ignored as if it were unset (Qt would take it relative to the working folder,
// so that two programs started in different folders would never meet).
QString absoluteFromEnvironment(const char* variable) {
    const QString named = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(named) ? named : QString();
}

// The user's own cache folder: XDG_CACHE_HOME, else ~/.cache.
QString userCacheFolder() {
    const QString named = absoluteFromEnvironment("XDG_CACHE_HOME");
    if (!named.isEmpty())
        return named;
    const QString home = QDir::homePath();
    return QDir::isAbsolutePath(home) ? QDir(home).filePath(QStringLiteral(".cache")) : QString();
}

} // namespace

PrivatePath PrivatePath::file(const QString& name) const {
    if (!usable())
        return *this;
    return {QDir(path).filePath(name), {}, folder, name};
}

QString PrivatePath::anchored() const {
    if (!folder || folder->get() < 0)
        return path;
    const QString anchor = QStringLiteral("/proc/self/fd/%1").arg(folder->get());
    return fileName.isEmpty() ? anchor : anchor + u'/' + fileName;
}

PrivatePath privateFolder(const QString& runtimeFolder, const QString& name) {
    Descriptor runtime;
    if (QDir::isAbsolutePath(runtimeFolder) && makePrivate(runtimeFolder, &runtime).fault == Fault::None)
        return checkedFolder(runtimeFolder, std::move(runtime));
    const QString own = userCacheFolder();
    // Without a folder of the user's own, a relative path would land wherever the program runs.
    if (own.isEmpty())
        return PrivatePath::refused(refusalText({Fault::NotCreated, name, {}}));
    const QString folder = QDir(own).filePath(name);
    Descriptor held;
    const Refusal refusal = makePrivate(folder, &held);
    if (refusal.fault != Fault::None)
        return PrivatePath::refused(refusalText(refusal));
    return checkedFolder(folder, std::move(held));
}

QString sessionRuntimeFolder() {
    const QString named = absoluteFromEnvironment("XDG_RUNTIME_DIR");
    if (named.isEmpty())
        return {};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const bool usable = !runtime.isEmpty() && QDir::cleanPath(named) == QDir::cleanPath(runtime);
    return usable ? runtime : QString();
}
