#include "shell/Form58.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

void tell(QWidget* parent, const QString& text) {
    prompt::ask(parent, {StringTable::text(9083), text, PromptIcon::Information, PromptButtons::Ok});
}

QString duplicateName() {
    return StringTable::pick("该用户名已存在！", "該使用者名稱已存在！", "This user name already exists!");
}

} // namespace

Form58::Form58() : FormBase(QStringLiteral("Form58")) {
    setWindowTitle(StringTable::text(5801));
    auto* grid = new QGridLayout(this);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label1"), 5805), 0, 0);
    grid->addWidget(ui::makeEdit(this, QStringLiteral("Text1")), 0, 1);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label2"), 5804), 1, 0);
    grid->addWidget(useraccounts::makePasswordField(this, QStringLiteral("Text2")), 1, 1);
    grid->addWidget(ui::makeLabel(this, QStringLiteral("Label3"), 5803), 2, 0);
    grid->addWidget(useraccounts::makePasswordField(this, QStringLiteral("Text3")), 2, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = ui::makeButton(this, QStringLiteral("Command1"), 5801);
    QPushButton* cancel = ui::makeButton(this, QStringLiteral("Command2"), 5802);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    setDefaultButton(add);
    connect(add, &QPushButton::clicked, this, &Form58::addUser);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    if (!store_.isOpen())
        useraccounts::reportUnavailable(this, store_);
}

void Form58::addUser() {
    // Names are looked up without their outer blanks, so a name of blanks alone is no name.
    const QString name = text(QStringLiteral("Text1")).trimmed();
    const QString password = text(QStringLiteral("Text2"));
    if (name.isEmpty())
        return tell(this, StringTable::text(9171));
    if (password.isEmpty())
        return tell(this, StringTable::text(9172));
    if (isEmpty(QStringLiteral("Text3")))
        return tell(this, StringTable::text(9173));
    if (password != text(QStringLiteral("Text3"))) {
        prompt::ask(this, {QStringLiteral("提示"), QStringLiteral("确认密码不对！"), PromptIcon::Warning,
                           PromptButtons::Ok});
        return;
    }
    if (!store_.isOpen())
        return useraccounts::reportUnavailable(this, store_);
    if (store_.passwordHash(name))
        return tell(this, duplicateName());

    QPushButton* add = button(QStringLiteral("Command1"));
    add->setEnabled(false);
    passwords::hashLater(this, password, [this, add, name](const QString& hash) {
        add->setEnabled(true);
        store(name, hash);
    });
}

void Form58::store(const QString& name, const QString& passwordHash) {
    switch (store_.addUser(name, passwordHash)) {
    case UserStore::Result::Done:
        tell(this, StringTable::text(9176));
        clearFields({QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")});
        break;
    case UserStore::Result::Duplicate:
        tell(this, duplicateName());
        break;
    default:
        tell(this, StringTable::pick("保存失败！", "儲存失敗！", "Saving failed!"));
        break;
    }
}

SPIRELTA_REGISTER_FORM(Form58)
