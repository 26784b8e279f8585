#pragma once
// Writing bytes to an open file so that a failure says why, in the user's language.

#include <QByteArrayView>
#include <QString>

namespace filewrite {

// Writes every byte to the descriptor: 0 when all were written, otherwise the system's error
// (ENOSPC, EFBIG, EDQUOT, ...). A write cut short is followed by another, whose failure carries
// the reason the short one could not give.
int writeAll(int fd, QByteArrayView bytes);

// Why a file could not be written or made (a save, the drawing host's socket file), for the
// user: the errors these meet in the program's language, any other as the system words it.
QString reason(int code);

} // namespace filewrite
