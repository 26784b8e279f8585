#pragma once
// One declaration per row of a results area.
//
// A row is a name label, the result box and its unit; optionally a second box with its own
// unit on the same row, a note label after the unit (a bracket label such as "(7mm时)"), or, for
// a verdict, a label in place of the box. A row with a caption but no box is a heading; a row
// with neither is an empty cell across the row.
//
//   const ui::ResultRow kResults[] = {
//       {.box = "Text2", .captionId = 1869, .caption = "Label15", .unit = "N/mm"},
//       {.box = "Label58", .captionId = 1856, .caption = "Label59", .verdict = true},
//   };
//   ui::grid(frame, ui::resultGrid(kResults, 2));

#include "common/ui/FormBuilder.h"

#include <span>
#include <vector>

namespace ui {

// ui::ResultRow: a results-area row (verdict label, note, second box, heading); read-only boxes
// by default, editable where the window keeps its results in its input array.
struct ResultRow {
    const char* box = nullptr;
    int captionId = 0;
    const char* caption = nullptr;     // name label's control name
    const char* captionText = nullptr; // a caption that reads the same in every language
    const char* unit = "";             // unit text; unitId takes it from the string table instead
    const char* unitName = nullptr;    // unit label's control name ("Unit_" + box when not given)
    int unitId = 0;
    bool red = false;           // name and unit in red
    bool verdict = false;       // the box is a label that shows a verdict
    const char* boxText = "";   // the verdict label's or note's text when the window loads
    const char* note = nullptr; // a label after the unit
    const char* box2 = nullptr;
    const char* unit2 = "";
    int unit2Id = 0;
    const char* unit2Name = nullptr;
};

// Whether the user may type into the result boxes. Most windows show results read-only; some
// keep them as items of their input array, so that the key filter and the Down arrow reach
// them as they reach the inputs.
enum class ResultBoxes { ReadOnly, Editable };

// Grid rows of the results, `columns` results to a row, each five cells wide so that rows line
// up: caption | box | unit | note or second box | second unit.
std::vector<std::vector<Cell>> resultGrid(std::span<const ResultRow> rows, int columns = 1,
                                          ResultBoxes boxes = ResultBoxes::ReadOnly);

} // namespace ui
