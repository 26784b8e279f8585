#pragma once
// Removes the user's own stale temporary files, and nothing else.
//
// Only regular files directly inside the folder are considered: not subfolders or what they
// hold, not links, sockets or pipes, not hidden files (lock and pid files of running
// programs are usually hidden), not files with more than one name. A file goes only when it
// belongs to the given user, has not been modified for more than a day by the clock, and no
// process we can see holds it open or mapped. Nothing is written and no program is run.

#include <QDateTime>
#include <QString>
#include <functional>
#include <sys/types.h>

struct TempCleanupResult {
    int removedFiles = 0;
    qint64 removedBytes = 0;
    int keptInUse = 0; // stale files left because a process had them open
    int failed = 0;    // stale files the system refused to remove
};

class TempCleanup {
public:
    using Clock = std::function<QDateTime()>;

    static constexpr qint64 kStaleAfterSeconds = 24 * 60 * 60;

    TempCleanup(QString folder, Clock clock, uid_t owner);

    TempCleanupResult run() const;

    // The temporary folder of the user running the program ($TMPDIR, else /tmp).
    static QString userTempFolder();

private:
    QString folder_;
    Clock clock_;
    uid_t owner_;
};
