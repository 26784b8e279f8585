#pragma once
// What the variable-pitch windows share beyond the array-calculator frame: the material row
// lookup, the side area with the spring sketch and the load-deflection diagram, and the
// verdict labels of the two springs whose dense coils close first.

#include "calc/varpitch/TwoRateLine.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/Bindings.h"
#include "common/ui/Calculation.h"
#include "common/ui/FieldTable.h"
#include "common/ui/PartialResults.h"
#include "common/ui/PictureWithLabels.h"

#include <QString>
#include <cstddef>
#include <initializer_list>
#include <optional>

class FormBase;
class QWidget;

namespace varpitch {

// G in kgf/mm² of the short list's row named by Combo1's text; 0 when no row matches.
double shortListModulus(const FormBase* form);

// The spring sketch of the window (a picture of resources/pictures/varpitch/) with labels
// over it.
QWidget* springSketch(FormBase* form, const char* picture,
                      std::initializer_list<ui::SketchLabel> labels = {});

// The sketch above the fixed load-deflection diagram whose three point labels show P1, P3, P5.
QWidget* sketchAndDiagram(FormBase* form, const char* picture, const char* p1Label);

// Writes the three verdicts that were reached: pitch (texts 2398/2399) into Label58, solid
// length and shear stress ("OK"/"NG") into Label53 and Label13.
void showVerdicts(FormBase* form, const Verdicts& verdicts);

// Sets the diagram's point labels back to their names.
void resetDiagram(FormBase* form, const char* p1Label);

// The hint on the coefficient field and the strength table that Label51 opens, in the windows
// that check the shear stress.
void attachStrengthTable(FormBase* form, const char* coefficientField);

// Empties the verdicts and the deflection notes under the loads and sets the diagram's point
// labels back to their names.
void resetLoadResults(FormBase* form, const char* p1Label);

// The calculation of every variable-pitch window: G (read by the caller before anything is
// checked) goes with the fields into the core, and the results it reached are shown even when it
// faults. Empty when a required field is missing; a fault goes on to FormBase::onClick.
template <class Inputs, class Results, std::size_t NR, std::size_t NS>
std::optional<Results> calculate(FormBase* form, double g, ui::InputFields fields,
                                 const ui::In<Inputs> (&read)[NR], void (*compute)(const Inputs&, Results&),
                                 const ui::Shown<Results> (&shown)[NS]) {
    Inputs start{};
    start.g = g;
    return ui::calculate(form, fields, read, start, compute, shown);
}

} // namespace varpitch

namespace varpitch {

// The sketch with the contact label Label11 under it: a plain text that does nothing.
QWidget* sketchWithContact(FormBase* form, const char* picture);

// The results of the two springs whose rate changes at a node: K1, K2 and where the node lies.
inline constexpr ui::ResultRow kNodeResults[] = {
    {.box = "Text2", .captionId = 1877, .caption = "Label15", .unit = "N/mm"},
    {.box = "Text3", .captionId = 1878, .caption = "Label17", .unit = "N/mm"},
    {.box = "Text4", .captionId = 1879, .caption = "Label19", .unit = "mm"},
};

// Restores the fields as declared and empties the three node results.
void resetNodeWindow(FormBase* form, ui::InputFields fields);

} // namespace varpitch
