#pragma once
// Small pieces the normal-mode calculator windows share: hidden fields that the load-test
// windows read, a caption-only button, a clickable label and the drawing-sheet fill.

#include "common/ui/FormBuilder.h"

#include <QString>
#include <functional>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QWidget;

namespace normalparts {

// A text box that is never shown; other windows read it by name.
QLineEdit* hiddenField(QWidget* parent, const QString& name);

// A button whose caption is the same in every language.
ui::Cell literalButton(const char* name, const QString& caption);

// Runs the action when the label is clicked with the left button.
void onLabelClick(QLabel* label, std::function<void()> action);

// Writes the fields Text1_<box> of a drawing sheet, loading it hidden when needed, then shows it.
class SheetWriter {
public:
    explicit SheetWriter(QString sheet) : sheet_(std::move(sheet)) {}
    void put(int box, const QString& text) const;
    void put(std::initializer_list<int> boxes, const QString& text) const;
    void show() const;

private:
    QString sheet_;
};

} // namespace normalparts
