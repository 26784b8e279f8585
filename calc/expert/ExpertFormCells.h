#pragma once
// What the expert calculators add to the builder's cells: the declared input rows with the cells
// a window puts in place of the table's own, and the input frame with its sketch that Form22
// and Form23 share.

#include "common/ui/FieldTable.h"
#include "common/ui/FormBuilder.h"

#include <utility>
#include <vector>

class QGroupBox;
class QVBoxLayout;

namespace expertui {

// A cell of a declared input row that the window puts in place of the one its field table
// gives: a link to a reference table, or a gap where a required field shows no mark.
enum class Column { Unit = 2, Mark = 3 };
struct CellInstead {
    const char* field;
    Column column;
    ui::Cell cell;
};

// The rows of ui::inputRows with those cells replaced.
std::vector<std::vector<ui::Cell>> inputRows(ui::InputFields fields, std::vector<CellInstead> instead,
                                             bool withMarks = true);

// Lays out the input rows on the left of the frame and the sketch Image2 at the top of a column
// on its right, and returns that column: the caller adds the buttons at its foot afterwards,
// so that Tab reaches them after the inputs.
QVBoxLayout* inputsBesideSketch(QGroupBox* frame, const std::vector<std::vector<ui::Cell>>& rows,
                                const QString& sketch, int sketchTwips);

} // namespace expertui
