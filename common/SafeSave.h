#pragma once
// Every file the program writes for the user goes through here: reports, bitmaps, records.
//
// A symbolic link is followed only when the user (or the system) made it and it does not lie in
// a folder that every user may write to (a sticky folder such as /tmp). Otherwise another user
// could plant "/tmp/report.txt" pointing at the victim's own files, and saving a report there
// would replace them. Such a save is refused before anything is touched, with a message that
// names the link.
//
// The write itself is atomic: the bytes go to a new file in the target's folder, which then
// takes the target's place by rename. A rename replaces a link rather than following it, so a
// link planted after the check changes nothing but the link itself. Each folder on the way is
// checked as it is opened, and the file is made and renamed inside the last one through what
// was opened, never by its path again: a folder swapped for a link after its check is not
// written through either.
//
// The new file has no name while it is written where the file system allows that, and else a
// short hidden one of fixed length, so that any name the file system takes can be saved, and
// a program ended by a signal mid-save leaves nothing beside the target.

#include <QByteArray>
#include <QString>

namespace safesave {

// Who may read a file that the write creates: as the user's file-creation mask allows, or the
// user alone (records that hold something private). A file that exists keeps its permissions.
enum class Access { Usual, OwnerOnly };

// What a write does with a file already under the name.
enum class Existing {
    // Replaced when the user may write it.
    ReplaceWritable,
    // Replaced even when it is the user's own file marked read-only (it stays read-only): for a
    // caller that has asked the user first.
    ReplaceOwnReadOnly,
    // Never replaced: a file there, even one made by another copy of the program meanwhile,
    // is kept as it is and the write counts as done.
    Keep,
};

// The message that refuses a path, naming the link it would be written through; empty when the
// path may be written.
QString refusal(const QString& path);

// The file a write to the path lands in, with every link followed; empty when refused (with
// the message in *why).
QString resolve(const QString& path, QString* why = nullptr);

// Writes the bytes in place of the path's file, atomically: either the complete file is there
// afterwards or nothing changed. On failure or refusal returns false and says why in *error.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr,
           Access access = Access::Usual, Existing existing = Existing::ReplaceWritable);

// The same write for the file `name` inside a folder already opened and checked (by descriptor,
// with O_PATH or O_DIRECTORY): nothing is looked up by path, so the folder cannot be swapped.
bool writeIn(int folder, const QString& name, const QByteArray& bytes, QString* error = nullptr,
             Access access = Access::Usual, Existing existing = Existing::ReplaceWritable);

// Makes the folder and any missing folder above it, each inside the one above as it was walked
// and checked, with the same rules for links as a write. False with the reason in *error.
bool makeFolders(const QString& path, QString* error = nullptr);

// Removes the temporary file of a save cut short, if one has a name at the moment. Safe to call
// from a signal handler, and only meant for one that ends the program.
void removeUnfinished() noexcept;

} // namespace safesave
