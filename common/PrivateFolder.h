#pragma once
// Where a program keeps files that no other user may create or reach first (the single-copy
// lock, the drawing host's socket): the session's runtime folder when it is usable, else a
// folder in the user's own cache (or config) folder, made private to the user. Never a folder
// shared with other users such as /tmp, where another user could create the file first.

#include <QString>

// `runtimeFolder` is the session's runtime folder ("" when it has none); `name` names the
// fallback folder, so that programs that must meet there find the same one.
QString privateFolder(const QString& runtimeFolder, const QString& name);

// The session's runtime folder when the session names one (XDG_RUNTIME_DIR) and Qt accepts it
// as the user's private folder; "" otherwise. Qt's own substitute under /tmp is never taken.
QString sessionRuntimeFolder();
