#pragma once
// LibreOffice Calc driven over UNO: the spreadsheet application of the running program.
//
// The program talks to an office that listens on a pipe of its own (a random name recorded in
// the user's runtime folder, see OfficePipeRecord.h). When
// nothing answers on that pipe, it starts "soffice --accept=pipe,name=...;urp;" and waits for
// the office to answer, with a busy cursor, while the window still repaints. The office it
// started keeps running when the program ends, with the workbooks the user has open.
//
// Documents are loaded as untitled copies (AsTemplate) with macros disabled. An office that
// cannot show windows (an installation without a display plugin) counts as no spreadsheet
// application unless nothing needs to be shown (headless, as in tests).

#include "platform/Spreadsheet.h"

#include <QString>
#include <memory>
#include <optional>

struct OfficeOptions {
    // The soffice to start; empty looks in the office folder the program was built against,
    // then on the PATH.
    QString program;
    // The pipe the office accepts on; empty gives the user's recorded name (read on the first
    // attach; no office is reached or started when the record's folder is refused).
    QString pipeName;
    // The office's user profile as a file URL; empty keeps the user's own.
    QString profileUrl;
    // Nothing is shown: the office runs headless and documents load hidden.
    bool headless = false;
    // How long a starting office may take to answer (a first start creates its profile).
    int startTimeoutMs = 60000;
};

class UnoSpreadsheet : public Spreadsheet {
public:
    explicit UnoSpreadsheet(OfficeOptions options = {});
    ~UnoSpreadsheet() override;

    bool attach() override;
    QString unavailableReason() const override;
    QList<OpenWorkbook> workbooks() override;
    void activate(const QString& workbookId) override;
    QString openCopy(const QString& fullPath) override;
    bool writeNumber(const QString& workbookId, const QString& cell, double value) override;
    bool writeText(const QString& workbookId, const QString& cell, const QString& text) override;
    void show(const QString& workbookId) override;
    void printPreview(const QString& workbookId) override;

    // What a cell holds, as the tests and the benchmark read it back.
    struct Cell {
        enum Kind { Empty, Number, Text, Formula } kind = Empty;
        double number = 0;
        QString text;
    };
    std::optional<Cell> readCell(const QString& workbookId, const QString& cell);
    // Closes the workbook without saving it.
    bool closeWorkbook(const QString& workbookId);

    // The process id of the office this object started, 0 when it started none.
    qint64 startedProcessId() const;
    // Ends the office this object started (never one it merely found running): asks it to
    // terminate, then kills that process and its own office child if it does not end in time.
    // True when no office started by this object is left running.
    bool endStartedOffice(int timeoutMs = 30000);

    // The soffice this machine would start, empty when none is installed.
    static QString findOffice();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
