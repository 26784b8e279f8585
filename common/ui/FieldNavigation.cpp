#include "common/ui/FieldNavigation.h"

#include "common/ui/FormBase.h"

#include <QKeyEvent>
#include <QLineEdit>

FieldNavigation::FieldNavigation(FormBase* form, const QList<QLineEdit*>& fields) : QObject(form) {
    for (QLineEdit* f : fields) {
        fields_.append(f);
        f->installEventFilter(this);
    }
}

void FieldNavigation::attach(FormBase* form, const QString& arrayName) {
    new FieldNavigation(form, form->inputArray(arrayName));
}

bool FieldNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down)
        return false;
    const int index = fields_.indexOf(qobject_cast<QLineEdit*>(watched));
    if (index < 0)
        return false;
    QLineEdit* next = fields_.at(index + 1 > fields_.size() - 1 ? 0 : index + 1);
    if (next) {
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
    }
    return true;
}
