#pragma once
// The program's database files (db.mdb and its language variants) are SQLite files that the
// build generates into the program folder. They are read-only there; data the user changes
// (the user table) lives in the user's own copy of the file, made on first use.
//
// Each Database owns one connection and closes it when destroyed. Queries must bind every
// value that comes from the user (QSqlQuery::prepare with placeholders).

#include <QSqlDatabase>
#include <QString>

class Database {
public:
    // A file of the program folder, opened read-only ("db.mdb").
    static Database programFile(const QString& fileName);
    // The user's writable copy of a program file; the copy is made on first use and kept.
    static Database userCopy(const QString& fileName);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    bool isOpen() const;
    // Why the file could not be opened; empty while open.
    QString errorText() const { return error_; }
    QString path() const { return path_; }
    QSqlDatabase connection() const;
    void close();

    // Folder of the user copies: the user's data folder unless tests set another one; an
    // empty folder restores the default.
    static void setUserFolder(const QString& folder);
    static QString userFolder();

private:
    Database() = default;
    void open(const QString& path, bool readOnly);

    QString connectionName_;
    QString path_;
    QString error_;
};
