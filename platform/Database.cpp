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

// Copies through a temporary name, so that a copy cut short never passes for the database,
// and leaves the result readable and writable by the user only: it holds password hashes.
bool copyForUser(const QString& source, const QString& target, QString* error) {
    if (!QFileInfo::exists(source)) {
        *error = QStringLiteral("%1 is missing").arg(QDir::toNativeSeparators(source));
        return false;
    }
    if (const QString refused = safesave::refusal(target); !refused.isEmpty()) {
        *error = refused;
        return false;
    }
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        *error = QStringLiteral("cannot create %1")
                     .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
        return false;
    }
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    // The copy is private from its first byte: created 0600, then filled, then renamed.
    QFile in(source);
    QFile out(partial);
    const bool copied =
        in.open(QIODevice::ReadOnly) &&
        out.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner) &&
        out.write(in.readAll()) == in.size() && out.flush();
    out.close();
    if (!copied) {
        QFile::remove(partial);
        *error = QStringLiteral("cannot copy %1 to %2")
                     .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
        return false;
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        // Another copy of the program may have made it in the meantime.
        if (!QFileInfo::exists(target)) {
            *error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(target));
            return false;
        }
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
