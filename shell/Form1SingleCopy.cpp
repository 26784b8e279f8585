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

// The lock is taken through the checked folder's descriptor, which must stay open for as long
// as the lock is held, and until the lock file is removed: the folder is declared first so that
// it goes last.
struct HeldLock {
    PrivatePath where;
    std::unique_ptr<QLockFile> lock;
};

std::optional<HeldLock>& heldLock() {
    static std::optional<HeldLock> held;
    return held;
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
    // Through the folder as it was checked: a folder swapped since cannot receive the lock.
    auto lock = std::make_unique<QLockFile>(path.anchored());
    // The lock lasts as long as the program runs, however long that is: only a dead owner
    // makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    heldLock() = HeldLock{path, std::move(lock)};
    return true;
}

QString singleCopyRefusalText() {
    const PrivatePath path = singleCopyLockPath();
    return path.usable() ? StringTable::text(1317) : path.refusal;
}

} // namespace form1
