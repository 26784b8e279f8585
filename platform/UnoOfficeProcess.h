#pragma once
// The office process as the program starts, watches and (in tests) ends it.

#include <QString>
#include <QStringList>

namespace uno {

// Starts the office detached, so that it outlives the program, with the program's own UNO
// bootstrap variable removed from its environment. Returns its process id, 0 on failure.
qint64 startDetached(const QString& program, const QStringList& arguments);

// True while the process exists and has not ended (a zombie counts as ended).
bool processAlive(qint64 pid);

// Waits for the process to end; when it does not end in time, kills it and its direct
// children (the office process that the launcher started). True when it is gone.
bool endProcess(qint64 pid, int timeoutMs);

// An installed office can show documents only with a display plugin in its program folder.
bool officeCanShowWindows(const QString& sofficePath);

// Waits without freezing: windows keep repainting and timers run, but the user's clicks and
// keys wait until the pause is over.
void pauseKeepingWindowsPainted(int ms);

} // namespace uno
