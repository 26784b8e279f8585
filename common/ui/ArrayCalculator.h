#pragma once
// The calculator window of an input array, a material list and a results area.
//
// A calculator of this kind is a table: its caption, its input fields (ui::InputField rows,
// in index order: name label, message text, unit, default, reset), its result rows, its
// material list and a picture area to the right. The builder makes the controls, the
// calculate / reset / exit buttons (Command1 is the default button, Enter presses it), the
// Down-arrow navigation and key filter of the array, and the first-field focus.
//
//   const ui::InputField kInputs[] = {
//       {.field = "Text1_0", .captionId = 1815, .unit = "mm", .defaultText = "6",
//        .messageId = 1333, .caption = "Label1"},
//   };
//   const ui::ResultRow kResults[] = {
//       {.box = "Text2", .captionId = 1869, .caption = "Label15", .unit = "N/mm"},
//       {.box = "Label58", .captionId = 1856, .caption = "Label59", .verdict = true},
//   };
//   ui::buildArrayCalculator(this, {.captionId = 1081, .inputs = kInputs, .results = kResults,
//                                   .materials = shortMaterialList(ShortListOrder::Steels),
//                                   .side = sketchArea},
//                            [this] { calculate(); }, [this] { reset(); });
//
// The calculation starts with ui::requireFilled(this, kInputs) (text 1383 followed by each
// field's message text) and writes its results with ui::computeThenShow over a ui::Shown
// table (common/ui/PartialResults.h): a core fills std::optional<double> members step by step,
// so when a step faults the results computed before it are shown and the later boxes keep
// their old texts.

#include "common/Numbers.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/PartialResults.h"
#include "common/ui/ResultRows.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace ui {

struct ArrayCalculatorLayout {
    int captionId = 0; // the window's caption
    InputFields inputs;
    std::span<const ResultRow> results;
    QStringList materials;   // Combo1's rows; the first is selected
    int resultColumns = 1;   // rows are filled left to right
    bool inputMarks = false; // the "(必填)" marks of the input fields
    bool focusFirstField = true;
    const char* exitButton = "Command6";
    const char* resetButton = "Command4";
    const char* materialCaption = "Label9"; // the name label of Combo1
    // Frame1/Frame2 with texts 1366/1812; or, when headings are given, two labels heading
    // the areas instead of frames.
    const char* inputHeading = nullptr;
    const char* resultHeading = nullptr;
    int resultHeadingId = 1812;
    // A label placed after the unit of the named input field, such as the query label.
    const char* extraLabel = nullptr;
    int extraLabelId = 0;
    const char* extraLabelBeside = nullptr;
    QWidget* side = nullptr; // sketches and diagrams, right of the inputs
};

// Builds the window; calculate runs with the fault handling of FormBase::onClick.
void buildArrayCalculator(FormBase* form, const ArrayCalculatorLayout& layout,
                          std::function<void()> calculate, std::function<void()> reset);

} // namespace ui
