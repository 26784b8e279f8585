#pragma once
// The two key handlers shared by every input-field array:
// - NumericFieldNavigation: Down arrow (with any modifier) moves to the next item of the
//   array by the window's rule (InputArrayNavigation.h) and selects its whole text.
// - NumericFieldFilter: a field accepts only ".", "/", the digits and Backspace. Any other
//   character (minus, comma, letters, Ctrl+V, Escape, characters from an input method) is
//   refused with text 1032 titled 1318 and the focus stays in the field.
//   A window whose fields take negative values (leg angles) uses the signed filter instead:
//   digits, ".", "-" and Backspace pass, "/" and every other character are dropped without a
//   message and without moving the focus.
// Enter clicks the window's default button when it has one; otherwise Enter is refused like
// any other character.

#include "common/ui/InputArrayNavigation.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QPushButton;
class FormBase;

class NumericFieldKeys : public QObject {
    Q_OBJECT
public:
    enum class Filter { Numbers, SignedQuiet };

    // The fields in Index order; without Indexes they count 0, 1, 2, ...
    NumericFieldKeys(FormBase* form, QList<QLineEdit*> fields, Filter filter = Filter::Numbers,
                     QList<int> indexes = {}, ui::DownRule rule = ui::DownRule::NextIndex);

    // The character code the key press produces, or -1 when it produces none (arrows,
    // Delete, function keys, modifiers alone).
    static int characterCode(const class QKeyEvent* event);
    static bool isAccepted(int characterCode, Filter filter = Filter::Numbers) {
        if (filter == Filter::SignedQuiet)
            return (characterCode >= 48 && characterCode <= 57) || characterCode == 46 ||
                   characterCode == 45 || characterCode == 8;
        return (characterCode >= 46 && characterCode <= 57) || characterCode == 8;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse(QLineEdit* field);
    void moveDown(int index);

    FormBase* form_;
    Filter filter_;
    QList<QPointer<QLineEdit>> fields_;
    QList<int> indexes_;
    ui::DownRule rule_;
};
