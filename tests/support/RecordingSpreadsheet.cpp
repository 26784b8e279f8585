#include "support/RecordingSpreadsheet.h"

#include <QFileInfo>

RecordingSpreadsheet::Workbook& RecordingSpreadsheet::addOpen(const QString& fileName,
                                                              const QString& templateName) {
    Workbook book;
    book.id = QStringLiteral("book-%1").arg(nextId_++);
    book.fileName = fileName;
    book.templateName = templateName;
    book.visible = true;
    books.append(book);
    return books.last();
}

RecordingSpreadsheet::Workbook* RecordingSpreadsheet::find(const QString& id) {
    for (Workbook& book : books)
        if (book.id == id)
            return &book;
    return nullptr;
}

QStringList RecordingSpreadsheet::callsStartingWith(const QString& prefix) const {
    QStringList matching;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            matching.append(call);
    return matching;
}

void RecordingSpreadsheet::reset() {
    available = true;
    openFails = false;
    lockedCells.clear();
    books.clear();
    activeId.clear();
    calls.clear();
    writes.clear();
}

bool RecordingSpreadsheet::attach() {
    calls.append(QStringLiteral("attach"));
    return available;
}

QList<OpenWorkbook> RecordingSpreadsheet::workbooks() {
    calls.append(QStringLiteral("workbooks"));
    QList<OpenWorkbook> list;
    if (!available)
        return list;
    for (const Workbook& book : books)
        list.append({book.id, book.fileName, book.templateName});
    return list;
}

void RecordingSpreadsheet::activate(const QString& workbookId) {
    calls.append(QStringLiteral("activate ") + workbookId);
    if (Workbook* book = find(workbookId)) {
        book->maximised = true;
        activeId = workbookId;
    }
}

QString RecordingSpreadsheet::openCopy(const QString& fullPath) {
    calls.append(QStringLiteral("openCopy ") + fullPath);
    if (!available || openFails)
        return {};
    Workbook& book = addOpen(QString(), QFileInfo(fullPath).fileName());
    book.path = fullPath;
    book.visible = false;
    activeId = book.id;
    return book.id;
}

bool RecordingSpreadsheet::write(const QString& workbookId, const QString& cell, const CellValue& value) {
    Workbook* book = find(workbookId);
    const QString address = cell.toLower();
    if (!book || lockedCells.contains(address))
        return false;
    book->cells.insert(address, value);
    writes.append({workbookId, address, value});
    return true;
}

bool RecordingSpreadsheet::writeNumber(const QString& workbookId, const QString& cell, double value) {
    return write(workbookId, cell, value);
}

bool RecordingSpreadsheet::writeText(const QString& workbookId, const QString& cell, const QString& text) {
    return write(workbookId, cell, text);
}

void RecordingSpreadsheet::show(const QString& workbookId) {
    calls.append(QStringLiteral("show ") + workbookId);
    if (Workbook* book = find(workbookId))
        book->visible = true;
}

void RecordingSpreadsheet::printPreview(const QString& workbookId) {
    calls.append(QStringLiteral("printPreview ") + workbookId);
    if (Workbook* book = find(workbookId))
        ++book->previews;
}

RecordingSpreadsheet& RecordingSpreadsheet::instance() {
    static RecordingSpreadsheet application;
    return application;
}
