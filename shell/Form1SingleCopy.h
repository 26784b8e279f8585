#pragma once
// Only one copy of the program runs per user. The first copy holds a lock file in the user's
// runtime folder for as long as it runs; a copy that cannot take the lock refuses to start.
// A lock left behind by a copy that crashed is taken over, since its process is gone.
//
// When the folder for the lock may not be used (a link, or a folder another user made first)
// the program refuses to start as well, and says which folder is at fault instead of claiming
// that another copy runs: starting anyway would let two copies run, and a lock in another
// user's folder would let that user keep the program from starting.

#include "common/PrivateFolder.h"

#include <QString>

namespace form1 {

// Takes the lock for this process, once; true when this is the only running copy (also on
// every later call by the copy that holds it).
bool claimSingleCopy();

// What a copy that could not claim the lock tells the user: that another copy runs, or why
// the lock's folder may not be used.
QString singleCopyRefusalText();

// The lock file in use: the user's runtime folder, else the user's own cache folder (never a
// folder shared with other users, where another user could take the lock first), or why that
// folder may not be used. Tests point it elsewhere before the first claim; a changed path
// releases a lock held on the old one.
PrivatePath singleCopyLockPath();
void setSingleCopyLockPath(const QString& path);

// The lock file for a given runtime folder ("" when the session has none).
PrivatePath singleCopyLockPathFor(const QString& runtimeFolder);

} // namespace form1
