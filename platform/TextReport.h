#pragma once
// Plain-text design reports: the Save As command of the designers and wizards, and the file
// it writes.
//
// The file is UTF-8 without a byte-order mark, every item followed by CR LF, and is written
// atomically: it is either complete or untouched. Cancel in the dialog writes nothing, also
// after an earlier save from the same window; a file that cannot be written, or a link that
// must not be written through (safesave), is reported with a message naming it.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace report {

// The frame of a designer's report: title, inputs heading (2271), one line per input, two
// empty lines, results heading (2272), one line per result, two empty lines, and the footer
// (2273) with the date and time.
struct DesignReport {
    QString title;
    QStringList inputs;
    QStringList results;
};

// The whole file content of a design report, CR LF line ends, ending with an empty line.
QString designReportText(const DesignReport& report, const QDateTime& when = QDateTime::currentDateTime());

// The footer's date and time: the short date of the system's locale, then the time.
QString footerTime(const QDateTime& when);

// Writes the items, each followed by CR LF. On failure returns false and describes why.
bool writeReportFile(const QString& path, const QString& content, QString* error = nullptr);

// Asks for a file name (title text 1406, starting in the user's Documents folder, ".txt"
// added to a name without extension) and writes the content, already framed with CR LF.
// Returns the path written, or an empty string after a cancel or a failure.
QString saveAs(QWidget* window, const QString& content);

// Tests replace the dialog: the function gets the window, the title and the start folder and
// returns the chosen path, or an empty string for Cancel. nullptr restores the real dialog.
using FileChooser = std::function<QString(QWidget*, const QString& title, const QString& startFolder)>;
void setFileChooser(FileChooser chooser);

} // namespace report
