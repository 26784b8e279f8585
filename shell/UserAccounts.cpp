#include "shell/UserAccounts.h"

#include "common/Prompt.h"
#include "common/StringTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QPasswordDigestor>
#include <QPromise>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThreadPool>
#include <QVariant>
#include <memory>

UserStore::UserStore() : db_(Database::userCopy(QStringLiteral("db.mdb"))) {}

QStringList UserStore::userNames() const {
    QStringList names;
    if (!isOpen())
        return names;
    QSqlQuery query(db_.connection());
    if (!query.exec(QStringLiteral("SELECT \"user\" FROM admin ORDER BY id")))
        return names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

std::optional<QString> UserStore::passwordHash(const QString& name) const {
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral("SELECT password FROM admin WHERE \"user\" = ? ORDER BY id LIMIT 1"));
    query.addBindValue(name.trimmed());
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toString();
}

UserStore::Result UserStore::addUser(const QString& name, const QString& passwordHash) {
    if (!isOpen())
        return Result::Failed;
    if (this->passwordHash(name))
        return Result::Duplicate;
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral("INSERT INTO admin (\"user\", password) VALUES (?, ?)"));
    query.addBindValue(name.trimmed());
    query.addBindValue(passwordHash);
    if (query.exec())
        return Result::Done;
    // Another copy of the program may have added the name in the meantime.
    return this->passwordHash(name) ? Result::Duplicate : Result::Failed;
}

UserStore::Result UserStore::setPasswordHash(const QString& name, const QString& passwordHash) {
    if (!isOpen())
        return Result::Failed;
    QSqlQuery query(db_.connection());
    query.prepare(QStringLiteral("UPDATE admin SET password = ? WHERE \"user\" = ?"));
    query.addBindValue(passwordHash);
    query.addBindValue(name.trimmed());
    if (!query.exec())
        return Result::Failed;
    return query.numRowsAffected() > 0 ? Result::Done : Result::NoSuchUser;
}

namespace passwords {

namespace {

const QString scheme = QStringLiteral("pbkdf2-sha256");
// About a tenth of a second on a current desktop; the count is stored with each hash, so
// it can grow later without invalidating existing rows.
constexpr int iterations = 100000;
constexpr int saltBytes = 16;
constexpr int keyBytes = 32;

QByteArray deriveKey(const QString& password, const QByteArray& salt, int rounds, int length) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, rounds,
                                              length);
}

// Compares without stopping at the first difference, so the time taken tells nothing.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

template <class T>
void runLater(QObject* context, std::function<T()> work, std::function<void(const T&)> done) {
    auto promise = std::make_shared<QPromise<T>>();
    auto* watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        promise->addResult(work());
        promise->finish();
    });
}

} // namespace

QString hash(const QString& password) {
    QByteArray salt(saltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray key = deriveKey(password, salt, iterations, keyBytes);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(scheme)
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(key.toBase64()));
}

bool matches(const QString& password, const QString& storedHash) {
    const QStringList parts = storedHash.split(u'$');
    if (parts.size() != 4 || parts[0] != scheme)
        return false;
    bool ok = false;
    const int rounds = parts[1].toInt(&ok);
    if (!ok || rounds < 1 || rounds > 10'000'000)
        return false;
    const auto salt =
        QByteArray::fromBase64Encoding(parts[2].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const auto key =
        QByteArray::fromBase64Encoding(parts[3].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || !key || salt.decoded.isEmpty() || key.decoded.isEmpty() || key.decoded.size() > 64)
        return false;
    return sameBytes(deriveKey(password, salt.decoded, rounds, int(key.decoded.size())), key.decoded);
}

void hashLater(QObject* context, const QString& password, std::function<void(const QString&)> done) {
    runLater<QString>(
        context, [password] { return hash(password); }, std::move(done));
}

void checkLater(QObject* context, const QString& password, const QString& storedHash,
                std::function<void(bool)> done) {
    runLater<bool>(
        context, [password, storedHash] { return matches(password, storedHash); },
        [done = std::move(done)](const bool& ok) { done(ok); });
}

} // namespace passwords

namespace useraccounts {

namespace {
std::function<void()> programEnd;
}

void reportUnavailable(QWidget* parent, const UserStore& store) {
    prompt::ask(parent, {StringTable::text(9083),
                         StringTable::pick("无法打开用户数据库：", "無法開啟使用者資料庫：",
                                           "The user database cannot be opened: ") +
                             store.errorText(),
                         PromptIcon::Warning, PromptButtons::Ok});
}

QLineEdit* makePasswordField(QWidget* parent, const QString& name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return e;
}

void fillNames(QComboBox* list, const UserStore& store) {
    // Filled afresh each time, so that no name is listed twice.
    list->clear();
    list->addItems(store.userNames());
    if (list->count() > 0)
        list->setCurrentIndex(0);
}

void endProgram() {
    if (programEnd)
        programEnd();
    else
        QCoreApplication::exit(0);
}

void setProgramEnd(std::function<void()> end) {
    programEnd = std::move(end);
}

} // namespace useraccounts
