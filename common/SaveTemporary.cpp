#include "common/SaveTemporary.h"

#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safesave {

namespace {

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

// How many threads are giving a temporary file a name and recording it.
std::atomic<int> namingsUnderWay{0};
// Set by a signal handler that ends the program: no new name is made from then on.
std::atomic<bool> programEnding{false};

// While a temporary name is made and recorded, the signals that end a program through startup's
// handler are held back in this thread, and a handler that runs in another of the program's
// threads meanwhile waits (see removeUnfinished) until the name is recorded: otherwise the
// program could end between the two and leave the named file behind.
class Naming {
public:
    Naming() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &before);
        ++namingsUnderWay;
        // A handler in another thread has already looked for names to remove: a name made now
        // would outlive the program, which is about to end. Wait for the end instead.
        if (programEnding.load()) {
            --namingsUnderWay;
            for (;;)
                ::pause();
        }
    }
    ~Naming() {
        --namingsUnderWay;
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    Naming(const Naming&) = delete;
    Naming& operator=(const Naming&) = delete;

private:
    sigset_t before;
};

} // namespace

Temporary::Temporary(int folder, mode_t mode) : folder(folder) {
    fd = Descriptor(openNameless(mode));
    if (fd.get() >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Naming naming;
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

Temporary::~Temporary() {
    if (!name.isEmpty())
        ::unlinkat(folder, name.constData(), 0);
    forget();
}

int Temporary::publish(const QByteArray& finalName, bool keepExisting) {
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

int Temporary::openNameless(mode_t mode) const {
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
bool Temporary::linkNameless(const QByteArray& target) const {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd.get());
    return ::linkat(AT_FDCWD, self.constData(), folder, target.constData(), AT_SYMLINK_FOLLOW) == 0;
}

bool Temporary::nameNameless() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Naming naming;
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

void Temporary::named(const QByteArray& candidate) {
    name = candidate;
    if (unfinishedTaken.test_and_set())
        return; // another thread's save has the place; this name is removed as usual
    std::memcpy(unfinishedName, name.constData(), size_t(name.size()) + 1);
    unfinishedFolder.store(folder);
    recorded = true;
}

void Temporary::forget() {
    if (!recorded)
        return;
    unfinishedFolder.store(-1);
    unfinishedTaken.clear();
    recorded = false;
}

void Temporary::removeUnfinished() noexcept {
    // The thread that names a file holds these signals back, so a handler that finds a name
    // under way runs in another thread, and the naming thread goes on meanwhile: a short wait
    // (at most a second) lets it record the name. A naming that starts after this stops
    // before it makes a name (see Naming).
    programEnding.store(true);
    const timespec pause{0, 1000000};
    for (int waited = 0; waited < 1000 && namingsUnderWay.load() > 0; ++waited)
        ::nanosleep(&pause, nullptr);
    const int folder = unfinishedFolder.load();
    if (folder >= 0)
        ::unlinkat(folder, unfinishedName, 0);
}

} // namespace safesave
