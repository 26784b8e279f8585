#include "shell/Form1SingleCopy.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>
#include <unistd.h>

namespace form1 {

namespace {

QString& lockPath() {
    static QString path;
    return path;
}

std::unique_ptr<QLockFile>& heldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

QString defaultLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return runtime + QStringLiteral("/SpireltaSpringV2024.lock");
    return QDir::tempPath() + QStringLiteral("/SpireltaSpringV2024-%1.lock").arg(::getuid());
}

} // namespace

QString singleCopyLockPath() {
    if (lockPath().isEmpty())
        lockPath() = defaultLockPath();
    return lockPath();
}

void setSingleCopyLockPath(const QString& path) {
    if (path == lockPath())
        return;
    heldLock().reset();
    lockPath() = path;
}

bool claimSingleCopy() {
    if (heldLock())
        return true;
    auto lock = std::make_unique<QLockFile>(singleCopyLockPath());
    // The lock lasts as long as the program runs, however long that is: only a dead owner
    // makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    heldLock() = std::move(lock);
    return true;
}

} // namespace form1
