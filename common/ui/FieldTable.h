#pragma once
// One declaration per input control.
//
// A calculator declares each of its input fields once, in input order, as an InputField row:
// its caption, its unit, whether the calculation needs it, its default text and what a reset
// does with it. Everything else is derived from that table: the grid rows of the input frame,
// the required-field test (in declared order, text 1383 followed by the caption), the reset
// and the names that the window checks when it is built.
//
//   const ui::InputField kInputs[] = {
//       {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label1", .mark = "Label23_1"},
//       {.field = "Text1_6", .captionId = 1370, .unit = "mm", .need = ui::Need::Optional},
//   };
//   ui::grid(frame, ui::inputRows(kInputs));       // caption | field | unit | mark
//   if (!ui::requireFilled(this, kInputs)) return;  // in the calculation
//   ui::resetFields(this, kInputs);                 // in the reset command

#include "common/ui/FormBuilder.h"

#include <QStringList>
#include <span>
#include <vector>

class FormBase;

namespace ui {

// Required fields carry the red "required" mark and are tested before a calculation; optional
// ones carry the blue mark; plain ones have no mark and are not tested.
// Need::Plain also declares result boxes that a window keeps in its input array and empties
// with its reset (the same three-cell rows as the inputs); a results area uses ui::ResultRow.
enum class Need { Required, Optional, Plain };

// What the reset command does with a field: empty it, put its default text back, or leave it.
enum class OnReset { Empty, Default, Keep };

struct InputField {
    const char* field;     // control name, e.g. "Text1_0"
    int captionId = 0;     // caption beside the field (string table); 0: none
    const char* unit = ""; // unit text after the field; "" puts no unit label
    Need need = Need::Required;
    const char* defaultText = ""; // text when the window loads (and after a Default reset)
    OnReset onReset = OnReset::Empty;
    int messageId = 0; // caption named by the required message when it is not captionId
    // Control names of the caption, unit and mark labels; derived from the field name
    // ("Caption_Text1_0", "Unit_Text1_0", "Mark_Text1_0") when not given.
    const char* caption = nullptr;
    const char* unitName = nullptr;
    const char* mark = nullptr;
    const char* reportLabel = nullptr; // how a text report names the value, when one does

    QString captionName() const;
    QString unitLabelName() const;
    QString markName() const;
    int requiredMessageId() const { return messageId ? messageId : captionId; }
};

using InputFields = std::span<const InputField>;

// Grid rows: caption, field (with its default text), unit, mark; cells that a row has no
// use for are gaps, so the columns line up.
std::vector<std::vector<Cell>> inputRows(InputFields fields, bool withMarks = true);

// The required-field test: the first required field whose text is empty is reported as text
// 1383 followed directly by its caption (information icon, title 1318); returns false then.
bool requireFilled(FormBase* form, InputFields fields);

// Empties or restores the fields as declared, in declared order.
void resetFields(FormBase* form, InputFields fields);

// The field names, in declared order.
QStringList fieldNames(InputFields fields);

} // namespace ui
