#include "common/ui/FormBase.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/NumericFieldKeys.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

FormBase::FormBase(const QString& className, QWidget* parent) : QWidget(parent) {
    setObjectName(className);
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormBase::missingControl(const QString& name) const {
    std::fprintf(stderr, "%s has no control named %s\n", qPrintable(objectName()), qPrintable(name));
    std::abort();
}

void FormBase::verifyDeclared() const {
    for (const QString& name : declared_) {
        if (!findChild<QWidget*>(name))
            throw std::logic_error(
                qPrintable(objectName() + QStringLiteral(" has no control named ") + name));
    }
}

QLineEdit* FormBase::field(const QString& name) const {
    return control<QLineEdit>(name);
}
QPushButton* FormBase::button(const QString& name) const {
    return control<QPushButton>(name);
}
QComboBox* FormBase::comboBox(const QString& name) const {
    return control<QComboBox>(name);
}
QLabel* FormBase::label(const QString& name) const {
    return control<QLabel>(name);
}

QString FormBase::text(const QString& name) const {
    QWidget* w = control<QWidget>(name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return w->property("text").toString();
}

void FormBase::setText(const QString& name, const QString& text) {
    QWidget* w = control<QWidget>(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable())
            c->setEditText(text);
        else
            c->setCurrentIndex(c->findText(text));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    } else {
        w->setProperty("text", text);
    }
}

std::function<std::optional<QString>(const QString&)> FormBase::textReader() const {
    return [window = QPointer<const FormBase>(this)](const QString& name) -> std::optional<QString> {
        if (!window)
            return std::nullopt;
        return window->text(name);
    };
}

double FormBase::number(const QString& name) const {
    return num::lenient(text(name));
}

void FormBase::setNumber(const QString& name, double value, QStringView pattern) {
    num::finite(value);
    setText(name, pattern.isEmpty() ? num::text(value) : num::format(value, pattern));
}

void FormBase::setSingle(const QString& name, float value, QStringView pattern) {
    num::finite(value);
    setText(name, pattern.isEmpty() ? num::textSingle(value) : num::formatSingle(value, pattern));
}

QList<QLineEdit*> FormBase::inputArray(const QString& arrayName) const {
    std::map<int, QLineEdit*> byIndex;
    for (QLineEdit* f : findChildren<QLineEdit*>()) {
        const int index = ui::arrayIndex(f->objectName(), arrayName);
        if (index >= 0)
            byIndex.emplace(index, f);
    }
    QList<QLineEdit*> fields;
    for (const auto& [index, f] : byIndex)
        fields.append(f);
    return fields;
}

void FormBase::attachInputArray(const QString& arrayName, ui::DownRule rule) {
    const QList<QLineEdit*> fields = inputArray(arrayName);
    if (fields.isEmpty())
        missingControl(arrayName + QStringLiteral("_0"));
    QList<int> indexes;
    for (QLineEdit* f : fields)
        indexes.append(ui::arrayIndex(f->objectName(), arrayName));
    new NumericFieldKeys(this, fields, NumericFieldKeys::Filter::Numbers, indexes, rule);
}

void FormBase::setDefaultButton(QPushButton* button) {
    defaultButton_ = button;
    if (button)
        button->setDefault(true);
}

bool FormBase::runGuarded(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const num::CalcFault&) {
        prompt::inputError(this);
        return false;
    }
}

void FormBase::onClick(QAbstractButton* button, std::function<void()> step) {
    connect(button, &QAbstractButton::clicked, this, [this, step = std::move(step)] { runGuarded(step); });
}

void FormBase::onClick(const QString& buttonName, std::function<void()> step) {
    onClick(control<QAbstractButton>(buttonName), std::move(step));
}

QTimer* FormBase::addTimer(const QString& name, int intervalMs, std::function<void()> step) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    connect(timer, &QTimer::timeout, this, [step = std::move(step)] {
        try {
            step();
        } catch (const num::CalcFault&) {
            // A tick never opens a box: the faulty tick simply ends.
        }
    });
    return timer;
}

void FormBase::clearFields(const QStringList& names) {
    for (const QString& name : names)
        setText(name, QString());
}

void FormBase::setEnabled(const QStringList& names, bool enabled) {
    for (const QString& name : names)
        control<QWidget>(name)->setEnabled(enabled);
}

bool FormBase::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Close: {
        const bool handled = QWidget::event(event);
        if (event->isAccepted())
            closed_ = true;
        return handled;
    }
    case QEvent::WindowActivate:
        // Coming back to a calculator puts the caret into its first field again.
        if (firstField_)
            firstField_->setFocus(Qt::ActiveWindowFocusReason);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && defaultButton_ &&
            defaultButton_->isEnabled()) {
            defaultButton_->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}
