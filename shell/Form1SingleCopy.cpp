#include "shell/Form1SingleCopy.h"

#include "common/StringTable.h"

#include <QLockFile>
#include <memory>
#include <optional>

namespace form1 {

namespace {

std::optional<PrivatePath>& lockPath() {
    static std::optional<PrivatePath> path;
    return path;
}

std::unique_ptr<QLockFile>& heldLock() {
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

PrivatePath singleCopyLockPathFor(const QString& runtime) {
    return privateFolder(runtime, QStringLiteral("spirelta"))
        .file(QStringLiteral("SpireltaSpringV2024.lock"));
}

PrivatePath singleCopyLockPath() {
    if (!lockPath())
        lockPath() = singleCopyLockPathFor(sessionRuntimeFolder());
    return *lockPath();
}

void setSingleCopyLockPath(const QString& path) {
    if (lockPath() && lockPath()->usable() && path == lockPath()->path)
        return;
    heldLock().reset();
    if (path.isEmpty())
        lockPath().reset();
    else
        lockPath() = PrivatePath::given(path);
}

bool claimSingleCopy() {
    if (heldLock())
        return true;
    const PrivatePath path = singleCopyLockPath();
    if (!path.usable())
        return false;
    auto lock = std::make_unique<QLockFile>(path.path);
    // The lock lasts as long as the program runs, however long that is: only a dead owner
    // makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    heldLock() = std::move(lock);
    return true;
}

QString singleCopyRefusalText() {
    const PrivatePath path = singleCopyLockPath();
    return path.usable() ? StringTable::text(1317) : path.refusal;
}

} // namespace form1
