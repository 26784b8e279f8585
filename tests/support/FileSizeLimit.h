#pragma once
// A file-size limit stands in for a full disk: past it a write fails with EFBIG, provided the
// process ignores SIGXFSZ; by default the signal ends the process. Ignoring it is each program's
// own start-up step (the test programs take the same step), so nothing here touches the signal
// of the process under test.

#include <QString>
#include <QStringList>
#include <csignal>
#include <optional>
#include <sys/resource.h>

// For a child between fork and exec: the limit, and SIGXFSZ at its default as a user's shell
// hands it over. Without the reset the child would inherit the test program's SIG_IGN across
// exec, and the program's own start-up would go untested.
inline void limitFileSizeForProgram(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// The limit on this process for as long as the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// Starts one of the built programs (beside the test program) offscreen under a file-size limit,
// with a home and runtime folder of its own, and gives the set of signals it ignores (SigIgn of
// /proc/<pid>/status) once its first window has been painted; nothing when no window came up.
std::optional<quint64> ignoredSignalsOnceShown(const QString& program, const QStringList& args,
                                               rlim_t fileSizeLimit);

// The bit of a signal in such a set.
constexpr quint64 signalBit(int signal) {
    return quint64(1) << (signal - 1);
}
