#pragma once
// Where a program keeps files that no other user may create or reach first (the single-copy
// lock, the drawing host's socket, the office's pipe record): the session's runtime folder
// when it is usable, else a folder in the user's own cache (or config) folder, made private to
// the user. Never a folder shared with other users such as /tmp, where another user could
// create the file first.
//
// A folder that already exists is used only when it is a real folder (not a link), owned by
// the user, and private (0700) once its mode has been set. Anything else is refused rather
// than used: a folder another user made first would receive the user's socket or records.
// The folders on the way to it count as well: one that another user owns, or may write to
// without the sticky rule keeping them from the user's entries, could have the private folder
// swapped for one of theirs after the check, and is refused alike. Missing folders are made
// relative to the folder checked above them, and the private folder is used afterwards only
// through the descriptor it was checked by (see anchored()).

#include "common/FolderWalk.h"

#include <QString>
#include <memory>

// A private folder or a file in it; when the folder may not be used, why not.
struct PrivatePath {
    QString path;    // empty when refused
    QString refusal; // names the folder, in the user's language; empty when usable
    // The folder as it was checked, held open for as long as any copy of this lives; none for
    // a path the user named on the command line, which is used as given.
    std::shared_ptr<const Descriptor> folder;
    QString fileName; // the file inside the folder; empty for the folder itself

    // A path the user named, used as given; a refusal.
    static PrivatePath given(const QString& path) { return {path, {}, nullptr, {}}; }
    static PrivatePath refused(const QString& why) { return {{}, why, nullptr, {}}; }

    bool usable() const { return refusal.isEmpty(); }
    // The file `name` in this folder; a refused folder refuses its files alike.
    PrivatePath file(const QString& name) const;
    // The path that reaches the same folder or file through the checked folder's descriptor
    // (/proc/self/fd/N/...), never by the folder's name again: for calls that take a path
    // (bind, connect, a lock). `path` when no folder was checked.
    QString anchored() const;
};

// `runtimeFolder` is the session's runtime folder ("" when it has none); it is checked like
// any other folder and passed over when it is not private. `name` names the fallback folder,
// so that programs that must meet there find the same one.
PrivatePath privateFolder(const QString& runtimeFolder, const QString& name);

// The session's runtime folder when the session names one (XDG_RUNTIME_DIR) and Qt accepts it
// as the user's private folder; "" otherwise. Qt's own substitute under /tmp is never taken,
// nor a relative value, which the base-directory rules make invalid (XDG_CACHE_HOME alike).
QString sessionRuntimeFolder();
