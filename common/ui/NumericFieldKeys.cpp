#include "common/ui/NumericFieldKeys.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBase.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>
#include <vector>

NumericFieldKeys::NumericFieldKeys(FormBase* form, QList<QLineEdit*> fields, Filter filter,
                                   QList<int> indexes, ui::DownRule rule)
    : QObject(form), form_(form), filter_(filter), indexes_(std::move(indexes)), rule_(rule) {
    for (QLineEdit* f : fields) {
        fields_.append(f);
        f->installEventFilter(this);
    }
    if (indexes_.size() != fields_.size()) {
        indexes_.clear();
        for (int i = 0; i < fields_.size(); ++i)
            indexes_.append(i);
    }
}

int NumericFieldKeys::characterCode(const QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1; // handled by the window system, never a character of the field
    default:
        break;
    }
    // Control combinations produce the control characters (Ctrl+V is 22), which the test
    // environment does not always put into text().
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

bool NumericFieldKeys::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Let Ctrl+V and friends reach keyPress, where they are refused, instead of
        // being taken by a shortcut of the window.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier)
            event->accept();
        return false;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (!im->commitString().isEmpty()) {
            refuse(field);
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Down) {
        moveDown(fields_.indexOf(field));
        return true;
    }
    const int code = characterCode(key);
    if (code < 0 || isAccepted(code, filter_))
        return false;
    if (code == 13 && form_->defaultButton())
        return false; // the window turns Enter into a click of its default button
    refuse(field);
    return true;
}

void NumericFieldKeys::refuse(QLineEdit* field) {
    if (filter_ == Filter::SignedQuiet)
        return;
    prompt::inform(form_, StringTable::text(1032));
    if (field)
        field->setFocus(Qt::OtherFocusReason);
}

void NumericFieldKeys::moveDown(int index) {
    if (index < 0 || fields_.isEmpty())
        return;
    const std::vector<int> indexes(indexes_.begin(), indexes_.end());
    const int target = ui::downTarget(indexes, indexes_.at(index), rule_);
    if (target < 0)
        return;
    QLineEdit* next = fields_.at(indexes_.indexOf(target));
    if (!next)
        return;
    next->setFocus(Qt::TabFocusReason);
    next->selectAll();
}
