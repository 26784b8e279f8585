#include "platform/Folders.h"

#include "common/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString outputOverride;
} // namespace

namespace folders {

namespace {

// Where the program's data may lie: the folder named by SPIRELTA_DATA_DIR alone (tests and
// relocated installations), else, in order, the installed share folder beside the executable, and the build
// tree's resources folder, which lies beside bin/ by the build's fixed layout. Nothing is
// looked up by an absolute path compiled into the program.
QStringList dataFolders() {
    QStringList folders;
    const QString chosen = qEnvironmentVariable("SPIRELTA_DATA_DIR");
    if (!chosen.isEmpty())
        return {chosen};
    const QString bin = QCoreApplication::applicationDirPath();
    folders << bin + QStringLiteral("/../share/spirelta") << bin + QStringLiteral("/../resources");
    return folders;
}

} // namespace

QString programFolder() {
    const QStringList candidates = dataFolders();
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir())
            return QDir::cleanPath(c);
    return QDir::cleanPath(candidates.first());
}

QString programFile(const QString& relativePath) {
    for (const QString& c : dataFolders()) {
        const QString path = QDir::cleanPath(c + u'/' + relativePath);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir::cleanPath(programFolder() + u'/' + relativePath);
}

QStringList missingProgramData() {
    static const char* const needed[] = {"mb", "docs", "db.mdb", "klqd.xls"};
    QStringList missing;
    for (const char* item : needed)
        if (!QFileInfo::exists(programFile(QString::fromLatin1(item))))
            missing << QString::fromLatin1(item);
    return missing;
}

QString outputFolder() {
    QString folder = outputOverride;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    // Made folder by folder through the walk, so that a link swapped in on the way is never
    // followed into a place it should not lead; a refusal shows at the save, with its reason.
    safesave::makeFolders(folder);
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
    safesave::makeFolders(folder);
    return folder;
}

} // namespace folders
