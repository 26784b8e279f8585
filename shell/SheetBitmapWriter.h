#pragma once
// The click on a drawing sheet's picture: the sheet, as it is shown, is saved as a 24-bit
// bitmap named after its part number (field 1) in the output folder, and the sheet closes.
//
// The part number is the user's free text, so it is turned into a file name that stays
// inside the output folder. An existing file is replaced only when the user agrees, and a
// bitmap that cannot be written leaves the sheet open with everything the user typed.

#include <QString>

class DrawingSheet;

namespace SheetBitmapWriter {

enum class Outcome {
    Saved,    // written, confirmed, the sheet closed
    Declined, // the file exists and the user kept it; nothing written, the sheet stays open
    Failed,   // the file could not be written; the user was told why, the sheet stays open
};

// The bitmap's file name (with ".bmp") for a part number: separators, control characters
// and characters other systems refuse become "_", runs of dots shrink to one, leading dots
// and surrounding blanks go, and a name left empty becomes a fallback name. Never longer
// than a file system allows.
QString fileNameFor(const QString& partNumber);

// The full path the sheet's bitmap is written to.
QString pathFor(const DrawingSheet& sheet);

Outcome save(DrawingSheet* sheet);

} // namespace SheetBitmapWriter
