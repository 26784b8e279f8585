#include "platform/TextReport.h"

#include "common/Prompt.h"
#include "common/SafeSave.h"
#include "common/StringTable.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace report {

namespace {

const QString crlf = QStringLiteral("\r\n");

FileChooser chooser;

QString askWithDialog(QWidget* window, const QString& title, const QString& startFolder) {
    QFileDialog dialog(window, title, startFolder,
                       StringTable::pick("文本文件 (*.txt)", "文字檔 (*.txt)", "Text files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog completes a bare name itself, so its question before replacing a file is
    // asked about the file that will really be written.
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// A name without an extension gets ".txt"; a trailing point counts as no extension.
QString withTxtExtension(QString path) {
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    while (path.endsWith(u'.') && !QFileInfo(path).fileName().startsWith(u'.'))
        path.chop(1);
    return path + QStringLiteral(".txt");
}

} // namespace

void setFileChooser(FileChooser c) {
    chooser = std::move(c);
}

QString footerTime(const QDateTime& when) {
    return QLocale::system().toString(when.date(), QLocale::ShortFormat) + u' ' +
           when.time().toString(QStringLiteral("HH:mm:ss"));
}

QString designReportText(const DesignReport& r, const QDateTime& when) {
    QStringList items;
    items << r.title << QString() << StringTable::text(2271) << QString();
    items << r.inputs;
    items << crlf; // an item holding a line end: two empty lines
    items << StringTable::text(2272) << QString();
    items << r.results;
    items << crlf;
    items << StringTable::text(2273) + footerTime(when) + crlf;
    return items.join(crlf) + crlf;
}

bool writeReportFile(const QString& path, const QString& content, QString* error) {
    return safesave::write(path, content.toUtf8(), error);
}

QString saveAs(QWidget* window, const QString& content) {
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString title = StringTable::text(1406);
    QString path = chooser ? chooser(window, title, start) : askWithDialog(window, title, start);
    if (path.isEmpty())
        return {};
    path = withTxtExtension(path);
    QString error;
    if (!writeReportFile(path, content, &error)) {
        prompt::ask(window, {StringTable::text(1318),
                             StringTable::pick("无法保存 ", "無法保存 ", "Could not save ") +
                                 QDir::toNativeSeparators(path) + u'\n' + error,
                             PromptIcon::Warning, PromptButtons::Ok});
        return {};
    }
    return path;
}

} // namespace report
