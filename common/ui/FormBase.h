#pragma once
// Base class of every window of the program.
//
// A window keeps the control names of the original program as object names ("Text1_0" for
// the first item of the input array Text1, "Command1", "Label23_4"), so code and tests read
// the same names. The constructor of a subclass is its load step: it builds the controls,
// sets the captions from the string table and fills the lists. A window is deleted when it
// closes; the registry (FormRegistry.h) makes the next use load it anew.

#include "common/ui/InputArrayNavigation.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QTimer;

class FormBase : public QWidget {
    Q_OBJECT
public:
    explicit FormBase(const QString& className, QWidget* parent = nullptr);

    // A named control of this window; aborts the program when it does not exist, since a
    // wrong name is a programming error, not a user error.
    template <class T = QWidget> T* control(const QString& name) const {
        T* c = findChild<T*>(name);
        if (!c)
            missingControl(name);
        return c;
    }
    QLineEdit* field(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QComboBox* comboBox(const QString& name) const;
    QLabel* label(const QString& name) const;

    // The text a user sees in a control: field, label, list, button or frame caption.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);
    bool isEmpty(const QString& name) const { return text(name).isEmpty(); }

    // The text a named control displays, read later (a spreadsheet export reads its cells as it
    // writes them): nothing once this window has gone.
    std::function<std::optional<QString>(const QString& name)> textReader() const;

    // Lenient reading of a control's text (empty reads 0).
    double number(const QString& name) const;

    // Writes a number: with a pattern ("0.00") or, without one, in its shortest text form.
    // A value that is not finite throws num::CalcFault and leaves the control unchanged.
    void setNumber(const QString& name, double value, QStringView pattern = {});
    void setSingle(const QString& name, float value, QStringView pattern = {});

    // The input-field array "Text1" is every field Text1_<Index> that exists, in Index order;
    // the Indexes may have gaps. Attaching it gives every item the Down-arrow navigation (by
    // the given rule, see InputArrayNavigation.h) and the numeric key filter.
    void attachInputArray(const QString& arrayName, ui::DownRule rule = ui::DownRule::NextIndex);
    QList<QLineEdit*> inputArray(const QString& arrayName) const;

    // Enter in any field of this window clicks the default button instead.
    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const { return defaultButton_; }

    // The field that receives the focus each time the window becomes active.
    void setFirstField(QLineEdit* field) { firstField_ = field; }

    // Connects a button to a calculation step. A num::CalcFault thrown by the step ends it
    // there and shows text 1035; what the step wrote before stays.
    void onClick(QAbstractButton* button, std::function<void()> step);
    void onClick(const QString& buttonName, std::function<void()> step);

    // A timer whose tick runs the step; a num::CalcFault ends the tick silently.
    QTimer* addTimer(const QString& name, int intervalMs, std::function<void()> step);

    // Runs a step with the same fault handling as onClick.
    bool runGuarded(const std::function<void()>& step);

    void clearFields(const QStringList& names);

    void setEnabled(const QStringList& names, bool enabled);

    // Names that the window's tables refer to. They are checked once the window is built
    // (FormRegistry::load calls verifyDeclared), so a misspelt name fails there, naming the
    // window and the control, instead of deep inside a click.
    void declare(const QStringList& names) { declared_ += names; }
    // Throws std::logic_error for the first declared name that no control of this window has.
    void verifyDeclared() const;

    // True once the window has accepted its close: it is about to be deleted and counts as
    // not loaded any more.
    bool isClosed() const { return closed_; }

protected:
    bool event(QEvent* event) override;

private:
    [[noreturn]] void missingControl(const QString& name) const;

    QPointer<QPushButton> defaultButton_;
    QPointer<QLineEdit> firstField_;
    bool closed_ = false;
    QStringList declared_;
};
