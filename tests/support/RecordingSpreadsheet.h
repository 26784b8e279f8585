#pragma once
// A spreadsheet application that keeps its workbooks in memory and records every call, so
// tests can check what an export or a viewer did without starting an office.

#include "platform/Spreadsheet.h"

#include <QMap>
#include <QSet>
#include <QStringList>

class RecordingSpreadsheet : public Spreadsheet {
public:
    struct Workbook {
        QString id;
        QString fileName;
        QString templateName;
        QString path;                   // the file an untitled copy was opened from
        QMap<QString, CellValue> cells; // by lower-case address
        bool visible = false;
        bool maximised = false;
        int previews = 0;
    };

    // How the application behaves.
    bool available = true;     // attach() succeeds
    bool openFails = false;    // openCopy() fails
    QSet<QString> lockedCells; // lower-case addresses whose writes fail

    // What it holds and what was asked of it.
    QList<Workbook> books;
    QString activeId;
    QStringList calls; // "attach", "workbooks", "activate <id>", "openCopy <path>", "show <id>", ...
    struct Write {
        QString workbookId;
        QString cell;
        CellValue value;
    };
    QList<Write> writes; // successful writes, in order

    // A workbook the user has open already.
    Workbook& addOpen(const QString& fileName, const QString& templateName = {});
    Workbook* find(const QString& id);
    // Calls whose text starts with the prefix.
    QStringList callsStartingWith(const QString& prefix) const;

    void reset();

    bool attach() override;
    QList<OpenWorkbook> workbooks() override;
    void activate(const QString& workbookId) override;
    QString openCopy(const QString& fullPath) override;
    bool writeNumber(const QString& workbookId, const QString& cell, double value) override;
    bool writeText(const QString& workbookId, const QString& cell, const QString& text) override;
    void show(const QString& workbookId) override;
    void printPreview(const QString& workbookId) override;

    // The recorder every test starts with (installed by the test main).
    static RecordingSpreadsheet& instance();

private:
    bool write(const QString& workbookId, const QString& cell, const CellValue& value);
    int nextId_ = 1;
};
