#pragma once
// The spreadsheet application, as the workbook viewer and the template exports use it.
//
// The program installs the implementation it talks to: LibreOffice Calc over UNO in the
// running program (the default), a recorder in tests, so that no unit test ever starts an
// office. Workbooks are named by an id that the implementation gives out; an id stays valid
// while that workbook is open.

#include <QList>
#include <QString>
#include <variant>

// What a cell receives: a number or a text.
using CellValue = std::variant<double, QString>;

struct OpenWorkbook {
    QString id;
    // The file the workbook was loaded from or saved as, the text after the last "/"; empty
    // for a workbook that has never been saved.
    QString fileName;
    // For an untitled copy of a template: the file name of the template it came from.
    QString templateName;
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;

    // Reaches the application this program started earlier, or starts one without showing
    // anything. False when no spreadsheet application can be used.
    virtual bool attach() = 0;
    // Why the last attach() failed, when the user can do something about it (a folder of the
    // user's that may not be used); empty otherwise.
    virtual QString unavailableReason() const { return {}; }

    // The workbooks open in the application, in its order.
    virtual QList<OpenWorkbook> workbooks() = 0;

    // Brings the workbook to the front in a maximised window.
    virtual void activate(const QString& workbookId) = 0;

    // Opens an untitled copy of the workbook file, so that a Save in the application never
    // overwrites it; no macro of the file runs. Returns the id of the copy, or an empty text
    // when the application could not open it.
    virtual QString openCopy(const QString& fullPath) = 0;

    // Writes one cell, addressed like "c4", on the active sheet of that workbook (and of no
    // other). False when the cell could not be written.
    virtual bool writeNumber(const QString& workbookId, const QString& cell, double value) = 0;
    virtual bool writeText(const QString& workbookId, const QString& cell, const QString& text) = 0;

    // Makes the application and the workbook visible.
    virtual void show(const QString& workbookId) = 0;

    // Shows the application's print preview of the workbook's active sheet.
    virtual void printPreview(const QString& workbookId) = 0;
};

namespace spreadsheet {

// Installs the implementation used from now on (not owned); nullptr restores the default,
// LibreOffice Calc started for the current user.
void install(Spreadsheet* application);
Spreadsheet& installed();

} // namespace spreadsheet
