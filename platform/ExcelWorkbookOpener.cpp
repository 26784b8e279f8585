#include "platform/ExcelWorkbookOpener.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "platform/Folders.h"
#include "platform/Spreadsheet.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Reaching or starting the office can take seconds; the pointer says so meanwhile. Message
// boxes get the normal pointer back.
class BusyCursor {
public:
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (active_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() { release(); }
    void release() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_;
};

class ViewerClick : public QObject {
public:
    ViewerClick(QWidget* trigger, QString path)
        : QObject(trigger), trigger_(trigger), path_(std::move(path)) {
        trigger->installEventFilter(this);
        trigger->setCursor(Qt::PointingHandCursor);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == trigger_ && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && trigger_->isEnabled()) {
            ExcelWorkbookOpener::open(trigger_->window(), path_);
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> trigger_;
    QString path_;
};

QString openFailedText() {
    return StringTable::pick("无法打开工作簿：", "無法開啟活頁簿：", "The workbook could not be opened: ");
}

} // namespace

QString ExcelWorkbookOpener::fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString ExcelWorkbookOpener::fullPathOf(const QString& path) {
    return folders::programFile(path.mid(path.startsWith(u'/') ? 1 : 0));
}

std::optional<QString> ExcelWorkbookOpener::open(QWidget* parent, const QString& path) {
    const QString fullPath = fullPathOf(path);
    if (!QFileInfo(fullPath).isFile()) {
        prompt::inform(parent, fullPath + StringTable::text(1379));
        return std::nullopt;
    }

    Spreadsheet& application = spreadsheet::installed();
    BusyCursor busy;
    if (!application.attach()) {
        busy.release();
        const QString reason = application.unavailableReason();
        prompt::inform(parent, reason.isEmpty() ? StringTable::text(1378) : reason);
        return std::nullopt;
    }

    const QString name = fileNameOf(path);
    for (const OpenWorkbook& workbook : application.workbooks()) {
        if (workbook.fileName == name || workbook.templateName == name) {
            busy.release();
            prompt::inform(parent, StringTable::text(1378));
            application.activate(workbook.id);
            return std::nullopt;
        }
    }

    const QString opened = application.openCopy(fullPath);
    if (opened.isEmpty()) {
        // Reporting the failure beats showing the application without the workbook, and an
        // export must not go on to write into whatever else is open.
        busy.release();
        prompt::inform(parent, openFailedText() + fullPath);
        return std::nullopt;
    }
    application.show(opened);
    return opened;
}

void ExcelWorkbookOpener::attachViewer(QWidget* trigger, const QString& path) {
    if (auto* button = qobject_cast<QAbstractButton*>(trigger)) {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [button, path] { open(button->window(), path); });
        return;
    }
    new ViewerClick(trigger, path);
}
