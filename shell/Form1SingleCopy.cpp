#include "shell/Form1SingleCopy.h"

#include "platform/Folders.h"

#include <QLockFile>
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
    // Never a shared folder such as /tmp, where another user could create the lock first and
    // keep the program from starting.
    return folders::privateStateFolderFor(runtime) + QStringLiteral("/SpireltaSpringV2024.lock");
}

QString singleCopyLockPath() {
    if (lockPath().isEmpty())
        lockPath() = folders::privateStateFolder() + QStringLiteral("/SpireltaSpringV2024.lock");
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
