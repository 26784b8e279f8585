#include "shell/frmLogin1.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* makeStrip(QWidget* parent, const QString& name, int height, const QString& style) {
    QLabel* strip = ui::makeLiteral(parent, name, QString());
    strip->setFixedHeight(height);
    strip->setStyleSheet(style);
    return strip;
}

} // namespace

frmLogin1::frmLogin1() : FormBase(QStringLiteral("frmLogin1")) {
    setWindowTitle(StringTable::text(4901));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeStrip(this, QStringLiteral("Image1"), 64,
                                QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                               "stop:0 #1f4e79, stop:1 #6fa8dc);")));

    auto* fields = new QGridLayout;
    fields->setContentsMargins(24, 16, 24, 8);
    fields->addWidget(ui::makeLabel(this, QStringLiteral("Label1"), 4904), 0, 0);
    QComboBox* master = ui::makeCombo(this, QStringLiteral("master"));
    fields->addWidget(master, 0, 1);
    fields->addWidget(ui::makeLabel(this, QStringLiteral("Label2"), 4905), 1, 0);
    QLineEdit* password = useraccounts::makePasswordField(this, QStringLiteral("password"));
    password->setToolTip(StringTable::pick("登录后请及时更改原始密码！", "登入後請及時更改原始密碼！",
                                           "Please change the initial password after signing in!"));
    fields->addWidget(password, 1, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = ui::makeButton(this, QStringLiteral("Cmdok"), 4902);
    QPushButton* exit = ui::makeButton(this, QStringLiteral("Cmdexit"), 4903);
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    fields->addLayout(buttons, 2, 0, 1, 2);
    layout->addLayout(fields);
    layout->addWidget(makeStrip(this, QStringLiteral("Image2"), 12, QStringLiteral("background: #1f4e79;")));

    setTabOrder(master, password);
    setTabOrder(password, ok);
    setTabOrder(ok, exit);
    setDefaultButton(ok);
    password->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, &frmLogin1::signIn);
    connect(exit, &QPushButton::clicked, this, [] { useraccounts::endProgram(); });

    if (!store_.isOpen())
        useraccounts::reportUnavailable(this, store_);
}

bool frmLogin1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        field(QStringLiteral("password"))->setFocus(Qt::ActiveWindowFocusReason);
        useraccounts::fillNames(comboBox(QStringLiteral("master")), store_);
    }
    return FormBase::event(event);
}

bool frmLogin1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field(QStringLiteral("password")) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down) {
            button(QStringLiteral("Cmdok"))->setVisible(true);
            button(QStringLiteral("Cmdok"))->setFocus(Qt::OtherFocusReason);
        } else if (key == Qt::Key_Up) {
            comboBox(QStringLiteral("master"))->setFocus(Qt::OtherFocusReason);
        }
    }
    return FormBase::eventFilter(watched, event);
}

void frmLogin1::signIn() {
    if (!store_.isOpen()) {
        useraccounts::reportUnavailable(this, store_);
        return;
    }
    const QString name = text(QStringLiteral("master"));
    const QString typed = text(QStringLiteral("password"));
    // A name without a row goes through the same check, against no hash, and is refused like
    // a wrong password.
    const QString stored = store_.passwordHash(name).value_or(QString());
    QPushButton* ok = button(QStringLiteral("Cmdok"));
    ok->setEnabled(false);
    passwords::checkLater(this, typed, stored, [this, ok, name](bool matches) {
        ok->setEnabled(true);
        if (matches)
            accept(name);
        else
            refuse();
    });
}

void frmLogin1::accept(const QString& name) {
    loginUserName_ = name;
    store_.close();
    if (FormBase* main = FormRegistry::show(QStringLiteral("Form1")))
        main->setWindowTitle(QStringLiteral("当前用户：") + loginUserName_);
    close();
}

void frmLogin1::refuse() {
    if (loginFailureCount_ == 3) {
        prompt::ask(this, {QString(), StringTable::text(9187), PromptIcon::None, PromptButtons::Ok});
        useraccounts::endProgram();
        return;
    }
    prompt::ask(
        this, {StringTable::text(9083), StringTable::text(9188), PromptIcon::Information, PromptButtons::Ok});
    ++loginFailureCount_;
    field(QStringLiteral("password"))->setFocus(Qt::OtherFocusReason);
}

SPIRELTA_REGISTER_FORM(frmLogin1)
