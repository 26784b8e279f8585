#include "common/PrivateFolder.h"

#include "common/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Fault { None, NotCreated, NotAFolder, ForeignOwner, NotPrivate };

// Makes the folder, creating it 0700 when missing. The checks and the mode change go through
// one descriptor opened without following a link, so a folder swapped for a link meanwhile
// is never the one changed.
Fault makePrivate(const QString& folder, Descriptor* held) {
    const QByteArray native = QFile::encodeName(folder);
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Fault::NotCreated;
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        struct stat seen {};
        if (::lstat(native.constData(), &seen) != 0)
            return Fault::NotCreated;
        if (!S_ISDIR(seen.st_mode))
            return Fault::NotAFolder;
        return seen.st_uid == ::geteuid() ? Fault::NotPrivate : Fault::ForeignOwner;
    }
    Fault fault = Fault::None;
    struct stat seen {};
    if (::fstat(fd, &seen) != 0 || !S_ISDIR(seen.st_mode))
        fault = Fault::NotAFolder;
    else if (seen.st_uid != ::geteuid())
        fault = Fault::ForeignOwner;
    else if ((seen.st_mode & 07777) != 0700 &&
             (::fchmod(fd, 0700) != 0 || ::fstat(fd, &seen) != 0 || (seen.st_mode & 077) != 0))
        fault = Fault::NotPrivate;
    *held = Descriptor(fd);
    return fault;
}

QString refusalText(Fault fault, const QString& folder) {
    const QString shown = QDir::toNativeSeparators(folder);
    switch (fault) {
    case Fault::None:
        return {};
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
    if (!runtimeFolder.isEmpty() && makePrivate(runtimeFolder, &runtime) == Fault::None)
        return checkedFolder(runtimeFolder, std::move(runtime));
    QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (own.isEmpty())
        own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without a folder of the user's own, a relative path would land wherever the program runs.
    if (own.isEmpty())
        return PrivatePath::refused(refusalText(Fault::NotCreated, name));
    const QString folder = QDir(own).filePath(name);
    Descriptor held;
    const Fault fault = makePrivate(folder, &held);
    if (fault != Fault::None)
        return PrivatePath::refused(refusalText(fault, folder));
    return checkedFolder(folder, std::move(held));
}

QString sessionRuntimeFolder() {
    const QString named = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (named.isEmpty())
        return {};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const bool usable = !runtime.isEmpty() && QDir::cleanPath(named) == QDir::cleanPath(runtime);
    return usable ? runtime : QString();
}
