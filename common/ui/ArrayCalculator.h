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
// field's message text) and writes its results with ui::showKnown: a core fills
// std::optional<double> members step by step, so when a step faults the results computed
// before it are shown and the later boxes keep their old texts.

#include "common/Numbers.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace ui {

// One row of the results area: a name label, the result box and its unit; optionally a
// second box with its own unit on the same row, a note label after the unit (a bracket
// label such as "(7mm时)"), or, for a verdict, a label in place of the box. A row without a
// box is a heading.
struct ResultRow {
    const char* box = nullptr;
    int captionId = 0;
    const char* caption = nullptr; // name label's control name
    const char* unit = "";         // unit text; unitId takes it from the string table instead
    int unitId = 0;
    const char* unitName = nullptr; // unit label's control name ("Unit_" + box when not given)
    bool verdict = false;           // the box is a label that shows a verdict
    const char* boxText = "";       // the verdict label's or note's text when the window loads
    const char* note = nullptr;     // a label after the unit
    const char* box2 = nullptr;
    const char* unit2 = "";
    int unit2Id = 0;
    const char* unit2Name = nullptr;
};

struct ArrayCalculatorLayout {
    int captionId = 0; // the window's caption
    InputFields inputs;
    std::span<const ResultRow> results;
    QStringList materials;   // Combo1's rows; the first is selected
    int resultColumns = 1;   // rows are filled left to right
    bool inputMarks = false; // the "(必填)" marks of the input fields
    bool focusFirstField = true;
    const char* exitButton = "Command6";
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

// A result written from a core's std::optional<double> member: with its pattern, on the value
// itself (a single widened exactly, so its own binary value decides the rounding), or, without
// a pattern, in the 7-digit short form of a single; between prefix and suffix.
template <class R> struct Shown {
    const char* control;
    std::optional<double> R::*member;
    const char* pattern = "";
    const char* prefix = "";
    const char* suffix = "";
};

// The text of one value as a result shows it.
QString resultText(double value, const char* pattern, const char* prefix = "", const char* suffix = "");

// Writes every known result in table order; results the core did not reach stay as they are.
template <class R> void showKnown(FormBase* form, const R& results, std::span<const Shown<R>> table) {
    for (const Shown<R>& s : table) {
        if (const std::optional<double>& v = results.*(s.member))
            form->setText(QString::fromLatin1(s.control), resultText(*v, s.pattern, s.prefix, s.suffix));
    }
}
template <class R, std::size_t N>
void showKnown(FormBase* form, const R& results, const Shown<R> (&table)[N]) {
    showKnown<R>(form, results, std::span<const Shown<R>>(table));
}
// Runs the core and shows the results it reached, whether it finishes or faults; a fault then
// goes on to FormBase::onClick, which shows text 1035.
template <class R, std::size_t N>
void computeAndShow(FormBase* form, R& results, const std::function<void()>& compute,
                    const Shown<R> (&table)[N]) {
    try {
        compute();
    } catch (const num::CalcFault&) {
        showKnown(form, results, table);
        throw;
    }
    showKnown(form, results, table);
}

template <class R, std::size_t N> QStringList shownNames(const Shown<R> (&table)[N]) {
    QStringList names;
    for (const Shown<R>& s : table)
        names.append(QString::fromLatin1(s.control));
    return names;
}

} // namespace ui
