#pragma once
// Helpers the normal-mode calculator windows share: the input frame and input array, hidden
// fields that the load-test windows read, a caption-only button and the fixed field widths.

#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"

#include <QString>
#include <QStringList>
#include <vector>

class FormBase;
class QLineEdit;
class QWidget;

namespace normalparts {

// A text box that is never shown; other windows read it by name.
QLineEdit* hiddenField(QWidget* parent, const QString& name);

// A button whose caption is the same in every language.
ui::Cell literalButton(const char* name, const QString& caption);

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

// The key handling of a calculator's input array <array>_i, the focus starting at <array>_0
// and Enter pressing the calculate button.
void setUpInputArray(FormBase* form, const QString& array, const QString& calculateButton);

// Calculator fields keep the widths of the original windows; the window does not grow.
void fixWidths(FormBase* form, const QString& inputArray, const QStringList& results);

} // namespace normalparts
