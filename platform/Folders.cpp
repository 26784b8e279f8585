#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString outputOverride;
}

namespace folders {

QString programFolder() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/spirelta");
    const QString candidates[] = {beside, QStringLiteral(SPIRELTA_BUILD_RESOURCES),
                                  QStringLiteral(SPIRELTA_SOURCE_RESOURCES)};
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir())
            return QDir::cleanPath(c);
    return QDir::cleanPath(QStringLiteral(SPIRELTA_SOURCE_RESOURCES));
}

QString programFile(const QString& relativePath) {
    // Generated files (workbooks, databases) live in the build tree, hand-written ones in the
    // sources; the first folder that has the file wins.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/spirelta");
    const QString candidates[] = {beside, QStringLiteral(SPIRELTA_BUILD_RESOURCES),
                                  QStringLiteral(SPIRELTA_SOURCE_RESOURCES)};
    for (const QString& c : candidates) {
        const QString path = QDir::cleanPath(c + u'/' + relativePath);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir::cleanPath(programFolder() + u'/' + relativePath);
}

QString outputFolder() {
    QString folder = outputOverride;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

void setOutputFolder(const QString& folder) {
    outputOverride = folder;
}

QString nameOutputFolder(const QString& text) {
    const QString folder = QDir::toNativeSeparators(outputFolder() + u'/');
    static const char* const phrases[] = {"the D disk", "D disk", "D:\\", "d:\\", "D盘", "D盤", "D槽"};
    for (const char* phrase : phrases) {
        const QString p = QString::fromUtf8(phrase);
        if (text.contains(p))
            return QString(text).replace(p, folder);
    }
    return text + folder;
}

QString userDataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.local/share/spirelta");
    QDir().mkpath(folder);
    return folder;
}

} // namespace folders
