#pragma once
// The name of the pipe on which this user's office accepts the program.
//
// A name anyone can guess ("spirelta-<uid>") lets another local user listen on it first and
// receive every export. The name is therefore random, made when the program first starts an
// office, and kept in a file of the user's private state folder (the runtime folder, else the
// user's own cache folder), so that the next run finds the same office again. A record that is missing,
// unreadable, not private or malformed is replaced by a new name. When that folder may not be
// used (see PrivateFolder.h) there is no name: the program then starts no office and says why.

#include "common/PrivateFolder.h"

#include <QString>

namespace officepipe {

// A pipe name, or why there is none (the refusal of the record's folder).
struct PipeName {
    QString name; // empty when refused
    QString refusal;
};

// The recorded name, or a new one recorded now.
PipeName recorded();

// A new random name, recorded in place of the old one (whose office no longer answers).
PipeName renew();

// The file that holds the record.
PrivatePath recordPath();

} // namespace officepipe
