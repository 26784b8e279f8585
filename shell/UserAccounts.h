#pragma once
// UserStore: the program's user table (table admin of db.mdb, in the user's own copy of the
// file) and the password hashing of the sign-in, add-user and change-password windows.
//
// Passwords are never stored: a row holds a salted PBKDF2-HMAC-SHA256 key. Deriving a key
// takes longer than a frame, so the windows derive it on a worker thread and go on when the
// result arrives. Names are looked up without their leading and trailing blanks and
// without regard to ASCII case; a name is held once.

#include "platform/Database.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QWidget;

class UserStore {
public:
    UserStore();

    bool isOpen() const { return db_.isOpen(); }
    QString errorText() const { return db_.errorText(); }
    void close() { db_.close(); }

    // Every user name, in the order the users were added.
    QStringList userNames() const;
    // The stored password hash of the user, or nothing when no row has that name.
    std::optional<QString> passwordHash(const QString& name) const;

    enum class Result { Done, Duplicate, NoSuchUser, Failed };
    Result addUser(const QString& name, const QString& passwordHash);
    Result setPasswordHash(const QString& name, const QString& passwordHash);

private:
    Database db_;
};

namespace passwords {

// "pbkdf2-sha256$<iterations>$<salt>$<key>" with a fresh random salt.
QString hash(const QString& password);
// Whether the password gives the stored hash; a malformed hash matches nothing.
bool matches(const QString& password, const QString& storedHash);

// The same two on a worker thread; the callback runs in the context's thread, and not at all
// once the context is gone.
void hashLater(QObject* context, const QString& password, std::function<void(const QString&)> done);
void checkLater(QObject* context, const QString& password, const QString& storedHash,
                std::function<void(bool)> done);

} // namespace passwords

namespace useraccounts {

// The user table could not be opened: says so, with the reason.
void reportUnavailable(QWidget* parent, const UserStore& store);

// Ends the program at once (the sign-in window's exit button, the fourth wrong password).
// Tests replace the ending; an empty function restores it.
void endProgram();
void setProgramEnd(std::function<void()> end);

} // namespace useraccounts

namespace useraccounts {

// A password box: shows "*" for every character.
QLineEdit* makePasswordField(QWidget* parent, const QString& name);
// Fills a name list from the store and selects the first name.
void fillNames(QComboBox* list, const UserStore& store);

} // namespace useraccounts
