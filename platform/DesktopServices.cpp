#include "platform/DesktopServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace desktop {

namespace {

class SystemBackend : public Backend {
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    QString findProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool startDetached(const QString& path) override { return QProcess::startDetached(path, {}); }
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
