#include "platform/Database.h"

#include "common/SafeSave.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <atomic>

namespace {

QString userFolderOverride;

QString nextConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("spirelta-db-%1").arg(++counter);
}

// Copies through a temporary file that becomes the copy only once it is complete, so that a copy
// cut short never passes for the database; the copy is readable and writable by the user only
// from its first byte: it holds password hashes. Everything after the folder's walk happens
// inside the folder it checked, and a copy another copy of the program made meanwhile is kept.
bool copyForUser(const QString& source, const QString& target, QString* error) {
    QFile in(source);
    if (!in.exists()) {
        *error = QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(source));
        return false;
    }
    if (const QString refused = safesave::refusal(target); !refused.isEmpty()) {
        *error = refused;
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    QString why;
    if (!safesave::makeFolders(folder, &why)) {
        *error = QStringLiteral("cannot create %1: %2").arg(QDir::toNativeSeparators(folder), why);
        return false;
    }
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot copy %1 to %2")
                     .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
        return false;
    }
    if (!safesave::write(target, in.readAll(), &why, safesave::Access::OwnerOnly, safesave::Existing::Keep)) {
        *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(target), why);
        return false;
    }
    return true;
}

} // namespace

Database Database::programFile(const QString& fileName) {
    Database db;
    const QString path = folders::programFile(fileName);
    if (!QFileInfo::exists(path)) {
        db.path_ = path;
        db.error_ = QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(path));
        return db;
    }
    db.open(path, true);
    return db;
}

Database Database::userCopy(const QString& fileName) {
    Database db;
    const QString path = QDir(userFolder()).filePath(fileName);
    db.path_ = path;
    if (!QFileInfo::exists(path) && !copyForUser(folders::programFile(fileName), path, &db.error_))
        return db;
    db.open(path, false);
    return db;
}

void Database::open(const QString& path, bool readOnly) {
    path_ = path;
    connectionName_ = nextConnectionName();
    QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    c.setDatabaseName(path);
    if (readOnly)
        c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!c.open()) {
        error_ = c.lastError().text();
        if (error_.trimmed().isEmpty())
            error_ = QStringLiteral("cannot open %1").arg(QDir::toNativeSeparators(path));
    }
}

Database::Database(Database&& other) noexcept
    : connectionName_(std::move(other.connectionName_)), path_(std::move(other.path_)),
      error_(std::move(other.error_)) {
    other.connectionName_.clear();
}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        connectionName_ = std::move(other.connectionName_);
        path_ = std::move(other.path_);
        error_ = std::move(other.error_);
        other.connectionName_.clear();
    }
    return *this;
}

Database::~Database() {
    close();
}

bool Database::isOpen() const {
    return !connectionName_.isEmpty() && QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase Database::connection() const {
    return connectionName_.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(connectionName_, false);
}

void Database::close() {
    if (connectionName_.isEmpty())
        return;
    {
        QSqlDatabase c = QSqlDatabase::database(connectionName_, false);
        c.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
}

void Database::setUserFolder(const QString& folder) {
    userFolderOverride = folder;
}

QString Database::userFolder() {
    return userFolderOverride.isEmpty() ? folders::userDataFolder() : userFolderOverride;
}
