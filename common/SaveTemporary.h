#pragma once
// The temporary file of one save: nameless while it is written where the file system allows
// it, else under a short hidden name of fixed length, which is recorded where a signal handler
// can remove it while it exists. Either way the target's own name may take every byte the file
// system allows, and a program ended mid-save leaves nothing beside the target.

#include "common/FolderWalk.h"

#include <QByteArray>
#include <sys/types.h>

namespace safesave {

class Temporary {
public:
    // Opens the file inside the checked folder; get() is -1 on failure, with errno set.
    Temporary(int folder, mode_t mode);
    // Removes the file if it was given a name and never published.
    ~Temporary();
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int get() const { return fd.get(); }

    // Puts the complete file under the final name: replacing what is there, or, to keep what is
    // there, only when nothing is. 0 when done, else the system's error.
    int publish(const QByteArray& finalName, bool keepExisting);

    // Removes the named temporary file of a save cut short, if there is one, and makes every
    // later save wait for the program's end rather than name a file: only for a signal handler
    // that ends the program. Async-signal-safe.
    static void removeUnfinished() noexcept;

private:
    int openNameless(mode_t mode) const;
    bool linkNameless(const QByteArray& target) const;
    bool nameNameless();
    void named(const QByteArray& candidate);
    void forget();

    int folder;
    Descriptor fd;
    QByteArray name;
    bool recorded = false;
};

} // namespace safesave
