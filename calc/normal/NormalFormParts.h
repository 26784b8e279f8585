#pragma once
// Helpers the normal-mode calculator windows share: the input frame and input array,
// hidden fields that the load-test windows read, a caption-only button, a clickable label,
// the fields a reset empties and the drawing-sheet fill.

#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/SheetFill.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class FormBase;
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

// The rows of a calculator's input table: the material list (Combo1, every material) with
// its caption and the button that switches to the expert window, then the input fields.
struct MaterialRow {
    const char* caption;
    int captionId;
    const char* expertButton;
};
std::vector<std::vector<ui::Cell>> inputTable(const MaterialRow& materials, ui::InputFields fields);

// The input frame (Frame1) of a calculator window: the field grid with the button rows
// below it on the left, the window's picture on the right.
struct Picture {
    const char* name;
    const char* resource;
    int maxWidth;
};
void addInputFrame(FormBase* form, const std::vector<std::vector<ui::Cell>>& fields,
                   const std::vector<std::vector<ui::Cell>>& buttons, const Picture& picture);

// The names of the input array <array>_0 .. <array>_<last> followed by Text<box> for every
// box, in that order: what a calculator's reset empties.
QStringList inputsAndBoxes(const QString& array, int last, std::initializer_list<int> boxes);

// The key handling of a calculator's input array <array>_i, the focus starting at <array>_0
// and Enter pressing the calculate button.
void setUpInputArray(FormBase* form, const QString& array, const QString& calculateButton);

// Calculator fields keep the widths of the original windows; the window does not grow.
void fixWidths(FormBase* form, const QString& inputArray, const QStringList& results);

} // namespace normalparts
