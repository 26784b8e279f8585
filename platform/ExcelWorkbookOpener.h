#pragma once
// ExcelWorkbookOpener: opens a workbook of the program folder in the spreadsheet application,
// for the user to read or for an export to fill.
//
// The file is tested before any office is started, so a missing file never leaves a hidden
// office behind. A workbook counts as already open when an open workbook's file name, or the
// name of the template an untitled copy came from, equals the text after the last "/" of the
// path; it is then brought to the front instead of being opened twice. Otherwise an untitled
// copy is opened (no macros run) and shown. Nothing is ever saved, closed or quit.

#include <QString>
#include <optional>

class QWidget;

class ExcelWorkbookOpener {
public:
    // Opens the workbook named by a path relative to the program folder, beginning with "/"
    // ("/klqd.xls", "/mb/tension spring template.xls"). Returns the id of the copy it has
    // just opened, or nothing when it ended with a message (file missing, already open, no
    // spreadsheet application or the reason it cannot be started, or the application could
    // not open the file).
    static std::optional<QString> open(QWidget* parent, const QString& path);

    // A viewer: a click on the control (a label or a button) opens the workbook of the path.
    static void attachViewer(QWidget* trigger, const QString& path);

    // The name the already-open test compares: the text after the last "/" of the path.
    static QString fileNameOf(const QString& path);

    // The file of the path in the program folder.
    static QString fullPathOf(const QString& path);
};
