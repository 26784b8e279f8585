#include "platform/WindowCommands.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "platform/BitmapFile.h"
#include "platform/Folders.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace windowcommands {

namespace {
std::function<void(const QImage&)> printSink;
}

void setPrintSink(std::function<void(const QImage&)> sink) {
    printSink = std::move(sink);
}

void printForm(QWidget* window) {
    const QImage image = window->grab().toImage();
    if (printSink) {
        printSink(image);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        prompt::inform(window, StringTable::pick("没有可用的打印机。", "沒有可用的印表機。",
                                                 "No printer is available."));
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompt::inform(window, StringTable::pick("无法打印。", "無法列印。", "Printing failed."));
        return;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    painter.end();
}

QString snapshotStamp(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString savePageSnapshot(QWidget* window, const QDateTime& now) {
    // Names go by the second; a second snapshot within it gets "-2", "-3" ... and never
    // replaces the first.
    const QDir folder(folders::outputFolder());
    const QString stamp = snapshotStamp(now);
    QString name = stamp + QStringLiteral(".bmp");
    for (int n = 2; folder.exists(name); ++n)
        name = stamp + QStringLiteral("-%1.bmp").arg(n);
    const QString path = folder.filePath(name);
    QString error;
    if (!bitmap::write24(window->grab().toImage(), path, &error)) {
        prompt::ask(window, {StringTable::text(1318),
                             StringTable::pick("无法保存 ", "無法保存 ", "Could not save ") +
                                 QDir::toNativeSeparators(path) + u'\n' + error,
                             PromptIcon::Warning, PromptButtons::Ok});
        return {};
    }
    prompt::ask(window, {StringTable::text(1318), folders::nameOutputFolder(StringTable::text(1376)) + name,
                         PromptIcon::None, PromptButtons::Ok});
    return path;
}

} // namespace windowcommands
