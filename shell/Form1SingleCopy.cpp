#include "shell/Form1SingleCopy.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

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

} // namespace

QString singleCopyLockPathFor(const QString& runtime) {
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return runtime + QStringLiteral("/SpireltaSpringV2024.lock");
    // Never a shared folder such as /tmp, where another user could create the lock first and
    // keep the program from starting: the user's own cache (or config) folder instead.
    QString own = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (own.isEmpty())
        own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/spirelta");
    QDir().mkpath(own);
    return own + QStringLiteral("/SpireltaSpringV2024.lock");
}

QString singleCopyLockPath() {
    if (lockPath().isEmpty())
        lockPath() = singleCopyLockPathFor(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
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
