#pragma once
// What the variable-pitch windows share beyond the array-calculator frame: the material row
// lookup, the side area with the spring sketch and the load-deflection diagram, and the
// verdict labels of the two springs whose dense coils close first.

#include "calc/varpitch/TwoRateLine.h"
#include "common/ui/PictureWithLabels.h"

#include <QString>
#include <initializer_list>

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

} // namespace varpitch

namespace varpitch {

// The sketch with the contact label Label11 under it: a plain text that does nothing.
QWidget* sketchWithContact(FormBase* form, const char* picture);

} // namespace varpitch
