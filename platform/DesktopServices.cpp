#include "platform/DesktopServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QVariant>

namespace desktop {

namespace {

class SystemBackend : public Backend {
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    QString findProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool startDetached(const QString& path) override { return QProcess::startDetached(path, {}); }

    // The desktop's opener is counted as having opened the document only when it ends without
    // an error: starting it says nothing, since it fails when no program takes the document.
    // It runs beside the event loop, as it may wait for the program it started.
    void openDocument(const QString& path, const std::function<void(bool)>& done) override {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty()) {
            done(openUrl(QUrl::fromLocalFile(path)));
            return;
        }
        auto* process = new QProcess(QCoreApplication::instance());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        auto finish = [process, done](bool opened) {
            if (process->property("reported").toBool())
                return;
            process->setProperty("reported", true);
            process->deleteLater();
            done(opened);
        };
        QObject::connect(process, &QProcess::finished, process,
                         [finish](int code, QProcess::ExitStatus status) {
                             finish(status == QProcess::NormalExit && code == 0);
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [finish](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(false);
        });
        process->start(opener, {path});
    }
};

SystemBackend systemBackend;
Backend* current = &systemBackend;

} // namespace

void setBackend(Backend* backend) {
    current = backend ? backend : &systemBackend;
}

bool openUrl(const QUrl& url) {
    return url.isValid() && current->openUrl(url);
}

bool composeMail(const QString& address) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    return current->openUrl(url);
}

void openDocument(const QString& path, const std::function<void(bool)>& done) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        done(false);
        return;
    }
    current->openDocument(info.absoluteFilePath(), done);
}

bool openDocument(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    return current->openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

QString findFirstInstalled(const QStringList& programNames) {
    for (const QString& name : programNames) {
        const QString path = current->findProgram(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startProgram(const QString& path) {
    return QFileInfo(path).isAbsolute() && current->startDetached(path);
}

QStringList calculatorPrograms() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),     QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QStringList textEditorPrograms() {
    return {QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),
            QStringLiteral("kate"),
            QStringLiteral("kwrite"),
            QStringLiteral("mousepad"),
            QStringLiteral("pluma"),
            QStringLiteral("xed"),
            QStringLiteral("featherpad"),
            QStringLiteral("leafpad")};
}

} // namespace desktop
