#include "platform/Database.h"
#include "platform/Folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileDigest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

int rowCount(const Database& db, const QString& table) {
    QSqlQuery q(db.connection());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) || !q.next())
        return -1;
    return q.value(0).toInt();
}

class DatabaseFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(userDir.isValid());
        previous = Database::userFolder();
        Database::setUserFolder(userDir.path());
    }
    void TearDown() override { Database::setUserFolder(previous); }

    QTemporaryDir userDir;
    QString previous;
};

TEST_F(DatabaseFiles, GeneratedUserTableHoldsNamesAtPositionOneAndOnlyHashedPasswords) {
    Database db = Database::programFile(QStringLiteral("db.mdb"));
    ASSERT_TRUE(db.isOpen()) << qPrintable(db.errorText());
    QSqlQuery q(db.connection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT * FROM admin ORDER BY id")));
    const QSqlRecord columns = q.record();
    EXPECT_EQ(columns.fieldName(1), QStringLiteral("user"));
    EXPECT_GE(columns.indexOf(QStringLiteral("password")), 0);
    int rows = 0;
    while (q.next()) {
        ++rows;
        const QString stored = q.value(QStringLiteral("password")).toString();
        EXPECT_TRUE(stored.startsWith(QStringLiteral("pbkdf2-sha256$"))) << qPrintable(stored);
        EXPECT_FALSE(stored.contains(QStringLiteral("rukel507")));
    }
    EXPECT_GE(rows, 1);
}

TEST_F(DatabaseFiles, ProgramFileIsReadOnly) {
    const QString path = folders::programFile(QStringLiteral("db.mdb"));
    const QByteArray before = fileDigest(path);
    {
        Database db = Database::programFile(QStringLiteral("db.mdb"));
        ASSERT_TRUE(db.isOpen());
        QSqlQuery q(db.connection());
        EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO admin (\"user\", password) VALUES ('x', 'y')")));
    }
    EXPECT_EQ(fileDigest(path), before);
}

TEST_F(DatabaseFiles, UserCopyIsMadeOnceAndKeepsWhatIsWritten) {
    const QString programPath = folders::programFile(QStringLiteral("db.mdb"));
    const QByteArray programBefore = fileDigest(programPath);
    const QString copyPath = QDir(userDir.path()).filePath(QStringLiteral("db.mdb"));
    ASSERT_FALSE(QFileInfo::exists(copyPath));
    int seeded = 0;
    {
        Database db = Database::userCopy(QStringLiteral("db.mdb"));
        ASSERT_TRUE(db.isOpen()) << qPrintable(db.errorText());
        EXPECT_EQ(db.path(), copyPath);
        seeded = rowCount(db, QStringLiteral("admin"));
        QSqlQuery q(db.connection());
        q.prepare(QStringLiteral("INSERT INTO admin (\"user\", password) VALUES (?, ?)"));
        q.addBindValue(QStringLiteral("O'Neil"));
        q.addBindValue(QStringLiteral("h"));
        ASSERT_TRUE(q.exec());
    }
    // The copy is the user's alone: it holds password hashes.
    EXPECT_EQ(QFileInfo(copyPath).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
              QFile::Permissions());
    EXPECT_FALSE(QFileInfo::exists(copyPath + QStringLiteral(".part")));

    Database again = Database::userCopy(QStringLiteral("db.mdb"));
    ASSERT_TRUE(again.isOpen());
    EXPECT_EQ(rowCount(again, QStringLiteral("admin")), seeded + 1);
    EXPECT_EQ(fileDigest(programPath), programBefore);
}

TEST_F(DatabaseFiles, MissingFileIsReportedAndNothingIsCreated) {
    Database fromProgram = Database::programFile(QStringLiteral("no-such.mdb"));
    EXPECT_FALSE(fromProgram.isOpen());
    EXPECT_FALSE(fromProgram.errorText().isEmpty());

    Database copy = Database::userCopy(QStringLiteral("no-such.mdb"));
    EXPECT_FALSE(copy.isOpen());
    EXPECT_TRUE(copy.errorText().contains(QStringLiteral("no-such.mdb")));
    EXPECT_TRUE(QDir(userDir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(DatabaseFiles, UnwritableUserFolderIsReported) {
    QFile blocker(QDir(userDir.path()).filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Database::setUserFolder(blocker.fileName() + QStringLiteral("/inside"));
    Database db = Database::userCopy(QStringLiteral("db.mdb"));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.errorText().isEmpty());
}

TEST_F(DatabaseFiles, EachDatabaseHasItsOwnConnectionAndReleasesIt) {
    const QStringList before = QSqlDatabase::connectionNames();
    {
        Database a = Database::userCopy(QStringLiteral("db.mdb"));
        Database b = Database::userCopy(QStringLiteral("db.mdb"));
        ASSERT_TRUE(a.isOpen());
        ASSERT_TRUE(b.isOpen());
        EXPECT_NE(a.connection().connectionName(), b.connection().connectionName());
        Database moved = std::move(a);
        EXPECT_TRUE(moved.isOpen());
        EXPECT_FALSE(a.isOpen());
        b.close();
        EXPECT_FALSE(b.isOpen());
        EXPECT_EQ(QSqlDatabase::connectionNames().size(), before.size() + 1);
    }
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

} // namespace
