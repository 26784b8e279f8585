#include "platform/Database.h"
#include "shell/UserAccounts.h"
#include "shell/frmLogin1.h"
#include "support/FormTest.h"

#include <QComboBox>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// Reads the user table as it is stored.
QList<QPair<QString, QString>> storedRows() {
    QList<QPair<QString, QString>> rows;
    Database db = Database::userCopy(QStringLiteral("db.mdb"));
    QSqlQuery q(db.connection());
    if (q.exec(QStringLiteral("SELECT \"user\", password FROM admin ORDER BY id")))
        while (q.next())
            rows.append({q.value(0).toString(), q.value(1).toString()});
    return rows;
}

class UserAccounts : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(userDir.isValid());
        previousFolder = Database::userFolder();
        Database::setUserFolder(userDir.path());
        useraccounts::setProgramEnd([this] { ++programEnds; });
        // Where the main window is not part of this build, a plain window stands in for it.
        if (!FormRegistry::isRegistered(QStringLiteral("Form1")))
            FormRegistry::registerForm(QStringLiteral("Form1"),
                                       [] { return new FormBase(QStringLiteral("Form1")); });
    }
    void TearDown() override {
        FormTest::TearDown();
        useraccounts::setProgramEnd({});
        Database::setUserFolder(previousFolder);
    }

    // Waits until the window has finished with the click: the button is usable again or
    // the window is gone.
    static void settle(const QPointer<FormBase>& form, const QString& buttonName) {
        const bool settled =
            QTest::qWaitFor([&] { return !form || form->button(buttonName)->isEnabled(); }, 20000);
        EXPECT_TRUE(settled);
        flush();
    }

    QPointer<FormBase> trySignIn(const QString& name, const QString& password) {
        QPointer<FormBase> login = open(QStringLiteral("frmLogin1"));
        if (!login)
            return login;
        type(login, QStringLiteral("master"), name);
        type(login, QStringLiteral("password"), password);
        click(login, QStringLiteral("Cmdok"));
        settle(login, QStringLiteral("Cmdok"));
        return login;
    }

    void addUser(const QString& name, const QString& password, const QString& repeated) {
        QPointer<FormBase> add = open(QStringLiteral("Form58"));
        type(add, QStringLiteral("Text1"), name);
        type(add, QStringLiteral("Text2"), password);
        type(add, QStringLiteral("Text3"), repeated);
        click(add, QStringLiteral("Command1"));
        settle(add, QStringLiteral("Command1"));
    }

    void changePassword(const QString& name, const QString& password, const QString& repeated) {
        QPointer<FormBase> change = open(QStringLiteral("Form59"));
        type(change, QStringLiteral("master"), name);
        type(change, QStringLiteral("Text2"), password);
        type(change, QStringLiteral("Text3"), repeated);
        click(change, QStringLiteral("password"));
        settle(change, QStringLiteral("password"));
    }

    static QString mainCaption() {
        FormBase* main = FormRegistry::find(QStringLiteral("Form1"));
        return main ? main->windowTitle() : QString();
    }

    QTemporaryDir userDir;
    QString previousFolder;
    int programEnds = 0;
};

const QString seedName = QStringLiteral("admin");
const QString seedPassword = QStringLiteral("rukel507");

TEST_F(UserAccounts, SignInWindowListsUsersAndKeepsTheInitialPasswordSecret) {
    FormBase* login = open(QStringLiteral("frmLogin1"));
    flush();
    EXPECT_EQ(login->windowTitle(), StringTable::text(4901));
    EXPECT_EQ(login->text(QStringLiteral("Label1")), StringTable::text(4904));
    EXPECT_EQ(login->text(QStringLiteral("Label2")), StringTable::text(4905));
    EXPECT_EQ(login->text(QStringLiteral("Cmdok")), StringTable::text(4902));
    EXPECT_EQ(login->text(QStringLiteral("Cmdexit")), StringTable::text(4903));
    QComboBox* master = login->comboBox(QStringLiteral("master"));
    EXPECT_TRUE(master->isEditable());
    EXPECT_EQ(master->currentText(), seedName);
    QLineEdit* password = login->field(QStringLiteral("password"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(password->toolTip().contains(seedPassword));
    EXPECT_TRUE(prompts().requests.isEmpty());

    // Coming back to the window lists every name once.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(login, &activate);
    EXPECT_EQ(master->count(), 1);
}

TEST_F(UserAccounts, RightPasswordOpensMainWindowNamingTheUserAsTyped) {
    for (const QString& name : {seedName, QStringLiteral("  admin "), QStringLiteral("Admin")}) {
        SCOPED_TRACE(qPrintable(name));
        prompts().clear();
        QPointer<FormBase> login = trySignIn(name, seedPassword);
        EXPECT_TRUE(login.isNull());
        EXPECT_TRUE(prompts().requests.isEmpty());
        EXPECT_EQ(mainCaption(), QStringLiteral("当前用户：") + name);
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(UserAccounts, KeysOfThePasswordBox) {
    QPointer<FormBase> login = open(QStringLiteral("frmLogin1"));
    QApplication::setActiveWindow(login);
    QLineEdit* password = login->field(QStringLiteral("password"));
    password->setFocus();
    QTest::keyClick(password, Qt::Key_Up);
    EXPECT_TRUE(login->comboBox(QStringLiteral("master"))->hasFocus());
    password->setFocus();
    QTest::keyClick(password, Qt::Key_Down);
    EXPECT_TRUE(login->button(QStringLiteral("Cmdok"))->hasFocus());

    // Enter in the password box signs in.
    password->setText(seedPassword);
    QTest::keyClick(password, Qt::Key_Return);
    settle(login, QStringLiteral("Cmdok"));
    EXPECT_TRUE(login.isNull());
    EXPECT_EQ(mainCaption(), QStringLiteral("当前用户：admin"));
}

TEST_F(UserAccounts, PasswordComparesExactly) {
    for (const QString& wrong : {QStringLiteral("RUKEL507"), QStringLiteral("rukel507 "), QString()}) {
        SCOPED_TRACE(qPrintable(wrong));
        prompts().clear();
        QPointer<FormBase> login = trySignIn(seedName, wrong);
        ASSERT_FALSE(login.isNull());
        EXPECT_EQ(prompts().lastText(), StringTable::text(9188));
        login->close();
        flush();
    }
}

TEST_F(UserAccounts, ThreeWrongPasswordsAreToldTheFourthEndsTheProgram) {
    QPointer<FormBase> login;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        login = trySignIn(seedName, QStringLiteral("wrong"));
        ASSERT_FALSE(login.isNull());
        ASSERT_EQ(prompts().requests.size(), attempt);
        const PromptRequest& told = prompts().requests.last();
        EXPECT_EQ(told.text, StringTable::text(9188));
        EXPECT_EQ(told.title, StringTable::text(9083));
        EXPECT_EQ(told.icon, PromptIcon::Information);
        EXPECT_EQ(login->text(QStringLiteral("password")), QStringLiteral("wrong"));
        EXPECT_EQ(programEnds, 0);
    }
    login = trySignIn(seedName, QStringLiteral("wrong"));
    ASSERT_EQ(prompts().requests.size(), 4);
    const PromptRequest& last = prompts().requests.last();
    EXPECT_EQ(last.text, StringTable::text(9187));
    EXPECT_EQ(last.title, QString());
    EXPECT_EQ(last.icon, PromptIcon::None);
    EXPECT_EQ(last.buttons, PromptButtons::Ok);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(UserAccounts, RightPasswordAfterWrongOnesSignsIn) {
    QPointer<FormBase> login = trySignIn(seedName, QStringLiteral("wrong"));
    ASSERT_FALSE(login.isNull());
    login = trySignIn(seedName, seedPassword);
    EXPECT_TRUE(login.isNull());
    EXPECT_EQ(mainCaption(), QStringLiteral("当前用户：admin"));
    EXPECT_EQ(programEnds, 0);
}

TEST_F(UserAccounts, ExitButtonEndsTheProgram) {
    FormBase* login = open(QStringLiteral("frmLogin1"));
    click(login, QStringLiteral("Cmdexit"));
    EXPECT_EQ(programEnds, 1);
}

TEST_F(UserAccounts, NameWithApostropheSignsInAndQuotesNeverBypassThePassword) {
    const QString name = QStringLiteral("O'Brien");
    addUser(name, QStringLiteral("it's me"), QStringLiteral("it's me"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(9176));
    EXPECT_TRUE(trySignIn(name, QStringLiteral("it's me")).isNull());
    EXPECT_EQ(mainCaption(), QStringLiteral("当前用户：O'Brien"));
    FormRegistry::closeAllExcept();
    flush();

    for (const QString& crafted : {QStringLiteral("x' OR '1'='1"), QStringLiteral("admin' --"),
                                   QStringLiteral("admin'); DROP TABLE admin; --")}) {
        SCOPED_TRACE(qPrintable(crafted));
        prompts().clear();
        QPointer<FormBase> login = trySignIn(crafted, QStringLiteral("' OR '1'='1"));
        ASSERT_FALSE(login.isNull());
        EXPECT_EQ(prompts().lastText(), StringTable::text(9188));
        login->close();
        flush();
    }
    EXPECT_EQ(storedRows().size(), 2);
}

TEST_F(UserAccounts, AddUserChecksInOrder) {
    struct Row {
        const char* name;
        const char* password;
        const char* repeated;
        QString message;
    };
    const Row rows[] = {
        {"", "", "", StringTable::text(9171)},
        {"   ", "a", "a", StringTable::text(9171)},
        {"bob", "", "x", StringTable::text(9172)},
        {"bob", "a", "", StringTable::text(9173)},
        {"bob", "a", "b", QStringLiteral("确认密码不对！")},
    };
    FormBase* add = open(QStringLiteral("Form58"));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        prompts().clear();
        type(add, QStringLiteral("Text1"), QString::fromUtf8(r.name));
        type(add, QStringLiteral("Text2"), QString::fromUtf8(r.password));
        type(add, QStringLiteral("Text3"), QString::fromUtf8(r.repeated));
        click(add, QStringLiteral("Command1"));
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().lastText(), r.message);
        EXPECT_EQ(add->text(QStringLiteral("Text1")), QString::fromUtf8(r.name));
    }
    EXPECT_EQ(prompts().requests.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompts().requests.last().title, QStringLiteral("提示"));
    EXPECT_EQ(storedRows().size(), 1);
}

TEST_F(UserAccounts, AddedUserIsStoredHashedAndListedByTheOtherWindows) {
    addUser(QStringLiteral(" bob "), QStringLiteral("secret"), QStringLiteral("secret"));
    addUser(QStringLiteral("carol"), QStringLiteral("secret"), QStringLiteral("secret"));
    FormBase* add = FormRegistry::find(QStringLiteral("Form58"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(prompts().requests.last().text, StringTable::text(9176));
    EXPECT_EQ(prompts().requests.last().title, StringTable::text(9083));
    for (const char* name : {"Text1", "Text2", "Text3"})
        EXPECT_TRUE(add->isEmpty(QString::fromLatin1(name))) << name;

    const auto rows = storedRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].first, QStringLiteral("bob"));
    EXPECT_EQ(rows[2].first, QStringLiteral("carol"));
    for (int i = 1; i <= 2; ++i) {
        EXPECT_FALSE(rows[i].second.contains(QStringLiteral("secret")));
        EXPECT_TRUE(passwords::matches(QStringLiteral("secret"), rows[i].second));
    }
    EXPECT_NE(rows[1].second, rows[2].second); // salted

    FormBase* change = open(QStringLiteral("Form59"));
    QComboBox* master = change->comboBox(QStringLiteral("master"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(change, &activate);
    ASSERT_EQ(master->count(), 3);
    EXPECT_EQ(master->itemText(1), QStringLiteral("bob"));
    EXPECT_EQ(master->currentText(), seedName);
    EXPECT_TRUE(trySignIn(QStringLiteral("bob"), QStringLiteral("secret")).isNull());
}

TEST_F(UserAccounts, DuplicateNameIsRefused) {
    for (const QString& name : {seedName, QStringLiteral("ADMIN"), QStringLiteral(" admin ")}) {
        SCOPED_TRACE(qPrintable(name));
        prompts().clear();
        addUser(name, QStringLiteral("other"), QStringLiteral("other"));
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_NE(prompts().lastText(), StringTable::text(9176));
        EXPECT_EQ(FormRegistry::find(QStringLiteral("Form58"))->text(QStringLiteral("Text1")), name);
    }
    const auto rows = storedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(passwords::matches(seedPassword, rows[0].second));
}

TEST_F(UserAccounts, ChangedPasswordReplacesTheOldOne) {
    changePassword(seedName, QStringLiteral("n3w'pass"), QStringLiteral("n3w'pass"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(9176));
    FormBase* change = FormRegistry::find(QStringLiteral("Form59"));
    EXPECT_TRUE(change->isEmpty(QStringLiteral("Text2")));
    EXPECT_TRUE(change->isEmpty(QStringLiteral("Text3")));
    const auto rows = storedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows[0].second.contains(QStringLiteral("n3w")));

    prompts().clear();
    QPointer<FormBase> login = trySignIn(seedName, seedPassword);
    ASSERT_FALSE(login.isNull());
    EXPECT_EQ(prompts().lastText(), StringTable::text(9188));
    login->close();
    flush();
    EXPECT_TRUE(trySignIn(seedName, QStringLiteral("n3w'pass")).isNull());
}

TEST_F(UserAccounts, ChangePasswordChecksInOrderAndNeedsAKnownUser) {
    struct Row {
        const char* name;
        const char* password;
        const char* repeated;
        QString message;
    };
    const Row rows[] = {
        {"admin", "", "", StringTable::text(9172)},
        {"admin", "a", "", StringTable::text(9173)},
        {"admin", "a", "b", StringTable::text(9177)},
        {"nobody", "a", "a",
         StringTable::pick("没有这个用户！", "沒有這個使用者！", "There is no such user!")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.password);
        prompts().clear();
        changePassword(QString::fromUtf8(r.name), QString::fromUtf8(r.password),
                       QString::fromUtf8(r.repeated));
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().lastText(), r.message);
        EXPECT_EQ(prompts().requests[0].title, StringTable::text(9083));
    }
    const auto rows2 = storedRows();
    ASSERT_EQ(rows2.size(), 1);
    EXPECT_TRUE(passwords::matches(seedPassword, rows2[0].second));
}

TEST_F(UserAccounts, PasswordHashes) {
    const QString stored = passwords::hash(QStringLiteral("пароль密码"));
    EXPECT_TRUE(stored.startsWith(QStringLiteral("pbkdf2-sha256$")));
    EXPECT_TRUE(passwords::matches(QStringLiteral("пароль密码"), stored));
    EXPECT_FALSE(passwords::matches(QStringLiteral("пароль"), stored));
    EXPECT_NE(passwords::hash(QStringLiteral("same")), passwords::hash(QStringLiteral("same")));
    for (const QString& malformed :
         {QString(), seedPassword, QStringLiteral("pbkdf2-sha256$x$AAAA$AAAA"),
          QStringLiteral("pbkdf2-sha256$0$AAAA$AAAA"), QStringLiteral("md5$1000$AAAA$AAAA"),
          QStringLiteral("pbkdf2-sha256$1000$!!$AAAA"), QStringLiteral("pbkdf2-sha256$1000$AAAA$")}) {
        SCOPED_TRACE(qPrintable(malformed));
        EXPECT_FALSE(passwords::matches(seedPassword, malformed));
        EXPECT_FALSE(passwords::matches(QString(), malformed));
    }
}

TEST_F(UserAccounts, MissingUserTableIsReportedNotCountedAsWrongPassword) {
    QFile blocker(userDir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Database::setUserFolder(blocker.fileName() + QStringLiteral("/inside"));

    FormBase* login = open(QStringLiteral("frmLogin1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_NE(prompts().lastText(), StringTable::text(9188));
    for (int i = 0; i < 5; ++i)
        click(login, QStringLiteral("Cmdok"));
    EXPECT_EQ(prompts().requests.size(), 6);
    EXPECT_EQ(prompts().lastText(), prompts().requests[0].text);
    EXPECT_EQ(programEnds, 0);

    FormBase* add = open(QStringLiteral("Form58"));
    type(add, QStringLiteral("Text1"), QStringLiteral("bob"));
    type(add, QStringLiteral("Text2"), QStringLiteral("a"));
    type(add, QStringLiteral("Text3"), QStringLiteral("a"));
    click(add, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), prompts().requests[0].text);
}

} // namespace
