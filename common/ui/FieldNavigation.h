#pragma once
// NumericFieldNavigation alone, for an input array that takes any character (a window whose
// fields must accept a minus sign): the Down arrow moves to the next item of the array, from
// the last to the first, and selects its whole text. No key is refused.

#include <QList>
#include <QObject>
#include <QPointer>

class QLineEdit;
class FormBase;

class FieldNavigation : public QObject {
    Q_OBJECT
public:
    FieldNavigation(FormBase* form, const QList<QLineEdit*>& fields);

    // Attaches the navigation to the array <arrayName>_0, <arrayName>_1, ... of the window.
    static void attach(FormBase* form, const QString& arrayName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPointer<QLineEdit>> fields_;
};
