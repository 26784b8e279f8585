#include "shell/Form1SingleCopy.h"

#include "common/PrivateFolder.h"

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
    return privateFolder(runtime, QStringLiteral("spirelta")) + QStringLiteral("/SpireltaSpringV2024.lock");
}

QString singleCopyLockPath() {
    if (lockPath().isEmpty())
        lockPath() = singleCopyLockPathFor(sessionRuntimeFolder());
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
