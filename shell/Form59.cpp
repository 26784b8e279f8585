#include "shell/Form59.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

void tell(QWidget* parent, const QString& text) {
    prompt::ask(parent, {StringTable::text(9083), text, PromptIcon::Information, PromptButtons::Ok});
}

QString noSuchUser() {
    return StringTable::pick("没有这个用户！", "沒有這個使用者！", "There is no such user!");
}

} // namespace

Form59::Form59() : FormBase(QStringLiteral("Form59")) {
    setWindowTitle(StringTable::text(5901));
    auto* grid = new QGridLayout(this);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label1"), 5904), 0, 0);
    grid->addWidget(ui::makeCombo(this, QStringLiteral("master")), 0, 1);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label2"), 5905), 1, 0);
    grid->addWidget(useraccounts::makePasswordField(this, QStringLiteral("Text2")), 1, 1);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label3"), 5906), 2, 0);
    grid->addWidget(useraccounts::makePasswordField(this, QStringLiteral("Text3")), 2, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* change = ui::makeButton(this, QStringLiteral("password"), 5902);
    QPushButton* cancel = ui::makeButton(this, QStringLiteral("Cmdexit"), 5903);
    buttons->addWidget(change);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    setDefaultButton(change);
    connect(change, &QPushButton::clicked, this, &Form59::changePassword);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    if (!store_.isOpen())
        useraccounts::reportUnavailable(this, store_);
}

bool Form59::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        QComboBox* master = comboBox(QStringLiteral("master"));
        useraccounts::fillNames(master, store_);
        master->setFocus(Qt::ActiveWindowFocusReason);
    }
    return FormBase::event(event);
}

void Form59::changePassword() {
    const QString password = text(QStringLiteral("Text2"));
    if (password.isEmpty())
        return tell(this, StringTable::text(9172));
    if (isEmpty(QStringLiteral("Text3")))
        return tell(this, StringTable::text(9173));
    if (password != text(QStringLiteral("Text3")))
        return tell(this, StringTable::text(9177));
    if (!store_.isOpen())
        return useraccounts::reportUnavailable(this, store_);
    const QString name = text(QStringLiteral("master"));
    if (!store_.passwordHash(name))
        return tell(this, noSuchUser());

    QPushButton* change = button(QStringLiteral("password"));
    change->setEnabled(false);
    passwords::hashLater(this, password, [this, change, name](const QString& hash) {
        change->setEnabled(true);
        store(name, hash);
    });
}

void Form59::store(const QString& name, const QString& passwordHash) {
    switch (store_.setPasswordHash(name, passwordHash)) {
    case UserStore::Result::Done:
        tell(this, StringTable::text(9176));
        clearFields({QStringLiteral("Text2"), QStringLiteral("Text3")});
        break;
    case UserStore::Result::NoSuchUser:
        tell(this, noSuchUser());
        break;
    default:
        tell(this, StringTable::pick("保存失败！", "儲存失敗！", "Saving failed!"));
        break;
    }
}

SPIRELTA_REGISTER_FORM(Form59)
