#pragma once
// Writes a file in one step (through safesave::write): the bytes go to a temporary file beside
// the target, which then takes the target's place. A reader sees the old file or the new one, never a part; a
// write that fails at any step (a full disk, a file-size limit, a failed rename) leaves the old file as it
// was. A new file takes the mode the umask gives; a file written over keeps its own.

#include <QByteArray>
#include <QFileInfo>
#include <QString>

// A file marked read-only: its owner's write bit is off (which holds even for a user, such as
// root, whom the system lets write anyway), or the user may not write it at all.
bool isReadOnly(const QFileInfo& file);

// Empty on success, else the reason in the system's words. The user's own read-only target is
// replaced and stays read-only, so a caller asks the user before; one the user may not write
// and does not own is refused.
QString replaceFile(const QString& path, const QByteArray& bytes);
