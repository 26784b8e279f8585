#pragma once
// Only one copy of the program runs per user. The first copy holds a lock file in the user's
// runtime folder for as long as it runs; a copy that cannot take the lock refuses to start.
// A lock left behind by a copy that crashed is taken over, since its process is gone.

#include <QString>

namespace form1 {

// Takes the lock for this process, once; true when this is the only running copy (also on
// every later call by the copy that holds it).
bool claimSingleCopy();

// The lock file in use: the user's runtime folder, else the user's own cache folder (never a
// folder shared with other users, where another user could take the lock first). Tests point
// it elsewhere before the first claim; a changed path releases a lock held on the old one.
QString singleCopyLockPath();
void setSingleCopyLockPath(const QString& path);

// The lock file for a given runtime folder ("" when the session has none).
QString singleCopyLockPathFor(const QString& runtimeFolder);

} // namespace form1
