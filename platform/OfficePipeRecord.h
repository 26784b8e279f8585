#pragma once
// The name of the pipe on which this user's office accepts the program.
//
// A name anyone can guess ("spirelta-<uid>") lets another local user listen on it first and
// receive every export. The name is therefore random, made when the program first starts an
// office, and kept in a file of the user's private state folder (the runtime folder, else the
// user's own cache folder), so that the next run finds the same office again. A record that is missing,
// unreadable, not private or malformed is replaced by a new name.

#include <QString>

namespace officepipe {

// The recorded name, or a new one recorded now.
QString recorded();

// A new random name, recorded in place of the old one (whose office no longer answers).
QString renew();

// The file that holds the record.
QString recordPath();

} // namespace officepipe
