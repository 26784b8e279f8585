#pragma once
// Which cell of a spreadsheet template receives which value, for every export button of the
// expert calculators (Form21, Form22, Form23, Form11). Each map is a plain table in the
// order the cells are written; the export reads the window's controls as they stand at the
// click.
//
// Value kinds:
//   Number      the control's displayed text read leniently ("10%" reads 10, a word reads 0)
//   Text        the control's text exactly as displayed
//   Sum         first + second, both read leniently, in double precision
//   Difference  first - second, likewise
//   PlusConstant first + constant
//   DateLine    text 1465 followed directly by the current date and time

#include <QString>
#include <span>

namespace expertcells {

enum class Kind { Number, Text, Sum, Difference, PlusConstant, DateLine };

struct CellRule {
    const char* address; // lower case, as the export writes it: "c4"
    Kind kind;
    const char* control = nullptr; // first (or only) source control
    const char* second = nullptr;  // second source of a sum or difference
    double constant = 0;           // added by PlusConstant
};

// Save As fills a calculation sheet and stops; Drawing fills a drawing and shows its print
// preview.
enum class ExportKind { SaveAs, Drawing };

struct CellMap {
    const char* window;       // "Form22"
    const char* button;       // "Command6"
    const char* templatePath; // relative to the program folder, with its leading "/"
    ExportKind kind;
    std::span<const CellRule> cells;
};

// The maps of one window, in the order of its buttons; empty for other windows.
std::span<const CellMap> cellMapsOf(const QString& window);

// Every map of the expert calculators.
std::span<const CellMap> allCellMaps();

} // namespace expertcells
