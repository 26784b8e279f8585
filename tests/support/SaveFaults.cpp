#include "support/SaveFaults.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

EntryExchanger::~EntryExchanger() {
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
}

int EntryExchanger::start(const QString& folderPath, const char* first, const char* second,
                          bool asOtherUser) {
    const int folder = ::open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return errno;
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        ::close(folder);
        return errno;
    }
    child = ::fork();
    if (child < 0) {
        ::close(folder);
        return errno;
    }
    if (child == 0) {
        ::close(ready[0]);
        int result = 0;
        if (asOtherUser &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0))
            result = errno;
        if (result == 0 && ::renameat2(folder, first, folder, second, RENAME_EXCHANGE) != 0)
            result = errno;
        (void)!::write(ready[1], &result, sizeof result);
        ::close(ready[1]);
        if (result != 0)
            ::_exit(1);
        for (;;)
            ::renameat2(folder, first, folder, second, RENAME_EXCHANGE);
    }
    ::close(folder);
    ::close(ready[1]);
    int result = EPIPE;
    (void)!::read(ready[0], &result, sizeof result);
    ::close(ready[0]);
    return result;
}

bool refuseNamelessFiles() {
#if defined(__x86_64__)
    constexpr unsigned arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr unsigned arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    // openat with the O_TMPFILE bit fails with EOPNOTSUPP; every other call goes through.
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, unsigned(O_TMPFILE & ~O_DIRECTORY), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EOPNOTSUPP & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

namespace {

bool writingIn(pid_t pid, const QString& folder) {
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QFileInfo& fd :
         QDir(fds).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        if (fd.symLinkTarget().startsWith(folder + u'/'))
            return true;
    return false;
}

} // namespace

bool stopWhileWritingIn(pid_t pid, const QString& folderPath, int timeoutMs) {
    const QString folder = QFileInfo(folderPath).canonicalFilePath();
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (::kill(pid, 0) != 0)
            return false;
        if (!writingIn(pid, folder))
            continue;
        ::kill(pid, SIGSTOP);
        // Stopped only once the state says so; the file must still be open then.
        for (int i = 0; i < 1000; ++i) {
            QFile status(QStringLiteral("/proc/%1/stat").arg(pid));
            if (status.open(QIODevice::ReadOnly) && status.readAll().contains(") T "))
                break;
            ::usleep(1000);
        }
        if (writingIn(pid, folder))
            return true;
        ::kill(pid, SIGCONT);
    }
    return false;
}
