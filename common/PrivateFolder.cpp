#include "common/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString privateFolder(const QString& runtimeFolder, const QString& name) {
    if (!runtimeFolder.isEmpty() && QDir().mkpath(runtimeFolder))
        return runtimeFolder;
    QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (own.isEmpty())
        own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString folder = QDir(own).filePath(name);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

QString sessionRuntimeFolder() {
    const QString named = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (named.isEmpty())
        return {};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const bool usable = !runtime.isEmpty() && QDir::cleanPath(named) == QDir::cleanPath(runtime);
    return usable ? runtime : QString();
}
