#pragma once
// Where the program reads its files and where it writes the user's.
//
// The program folder holds read-only data (workbook templates, the tensile-strength workbook,
// databases, documents): the folder named by SPIRELTA_DATA_DIR alone, else the data directory
// installed beside the executable (<prefix>/share/spirelta), else the build tree's resources
// (beside bin/). It is found only relative to the executable, never by a compiled-in path.
// Bitmaps go to the user's Pictures folder (home when there is none), created when missing;
// anything else written goes to per-user locations.

#include <QString>
#include <QStringList>

namespace folders {

// Absolute path of a file of the program folder; relative like "mb/Quotation template.xls".
QString programFile(const QString& relativePath);
QString programFolder();

// The data the program needs that its program folder lacks (templates "mb", documents "docs",
// the database "db.mdb", the tensile-strength workbook "klqd.xls"), in that order.
QStringList missingProgramData();

// The folder that receives drawing sheets and window snapshots; created when missing.
QString outputFolder();
// Tests and the user's own choice may send outputs elsewhere; empty restores the default.
void setOutputFolder(const QString& folder);

// Texts of the original name drive D as the place of bitmaps; this puts the real output
// folder (with a trailing separator) in place of that phrase, or appends it when the text
// names no drive.
QString nameOutputFolder(const QString& text);

// A per-user writable folder for data the program keeps (the user table).
QString userDataFolder();

// A folder of the user's own for small state other users must not touch (the single-copy lock,
// the office pipe record), created when missing: the session's runtime folder when it has a
// usable one, else the user's own cache folder; never a folder all users share, such as /tmp.
QString privateStateFolder();
// The same for a given runtime folder ("" when the session has none).
QString privateStateFolderFor(const QString& runtimeFolder);

} // namespace folders
