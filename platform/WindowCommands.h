#pragma once
// Commands that every calculator window offers: print the window, save a snapshot of it.

#include <QDateTime>
#include <QImage>
#include <QString>
#include <functional>

class QWidget;

namespace windowcommands {

// PrintFormCommand: the window's image goes to the default printer. Without a printer the
// user is told so; nothing is printed silently into nowhere.
void printForm(QWidget* window);

// Tests replace the printer with a sink that receives the page image; nullptr restores it.
void setPrintSink(std::function<void(const QImage&)> sink);

// PageSnapshotSaver: writes the window's own image as a 24-bit bitmap named by the time,
// "yyyymmdd-hhmmss.bmp", into the output folder and confirms with text 1376 naming the real
// file. The user's clipboard is left alone. A write that fails says why and confirms nothing.
// Returns the path written, or an empty string.
QString savePageSnapshot(QWidget* window, const QDateTime& now = QDateTime::currentDateTime());

// "yyyymmdd-hhmmss"
QString snapshotStamp(const QDateTime& time);

} // namespace windowcommands
