#pragma once
// Building blocks shared by the wizard step windows: rows of caption, box and unit declared
// once as a table, the tint of the boxes the user does not type into, and the strict reading
// with which every step takes its typed numbers.

#include "common/ui/FormBuilder.h"

#include <QStringList>
#include <span>
#include <vector>

class FormBase;
class QGroupBox;
class QVBoxLayout;

namespace wizardsteps {

// wizardsteps::BoxRow: a wizard step's rows, typed boxes and tinted read-only results in one
// table, read strictly on every tick; neither tested for being filled nor reset.
struct BoxRow {
    const char* caption;          // caption label, e.g. "Label1_0"
    int captionId;                // its text in the string table
    const char* box;              // e.g. "Text1_0"
    const char* defaultText = ""; // the box's text when the window loads
    const char* unit = nullptr;   // unit label name; nullptr: none
    int unitId = 0;               // unit text from the string table, or
    const char* unitText = "";    // a literal unit text
    bool output = false;          // a result box the user does not type into
};

std::vector<std::vector<ui::Cell>> boxRows(std::span<const BoxRow> rows);
QStringList boxNames(std::span<const BoxRow> rows);

// Result boxes are read-only with a light blue background.
void tintOutputs(FormBase* form, std::span<const BoxRow> rows);

// The whole trimmed text read as a number and stored in single precision; text that is not a
// number, or a value beyond the single range, throws num::CalcFault.
float readSingle(const FormBase* form, const QString& name);

// The design step of each wizard (wire, mean diameter and coils with the rate beside the
// required one) is laid out alike: Frame1 opens with the read-only material name; the torsion
// step adds its arms below that before the rest follows.
struct DesignFrame {
    QGroupBox* frame;
    QVBoxLayout* inner;
};
DesignFrame beginDesignFrame(FormBase* form);

// The dimension boxes beside the three sub-calculator buttons (Command3..5, each opening its
// window), the note, and Frame2 with the rates. Returns the page layout; the step closes it with
// its confirm/cancel row.
QVBoxLayout* finishDesignStep(FormBase* form, const DesignFrame& frame1, std::span<const BoxRow> dimensions,
                              std::span<const BoxRow> rates, const char* const (&subCalculators)[3]);

// The dimensions a design step works with on each tick: when none of its boxes Text2_0 (d),
// Text2_1 (D) and Text2_2 (n) is empty, the material name goes to Text1 and the three are read
// with readSingle into the wizard's variables, in that order (a fault keeps those read before
// it). False, with nothing shown or read, while one of them is empty.
struct Dimensions {
    float& wireDia;
    float& meanDia;
    float& activeCoils;
};
bool readDimensions(FormBase* form, const QString& materialName, Dimensions into);

// Frame1 of the compression and extension check steps: the installed, working and test
// deflections, the test load, and the two deformation ratios with their verdict labels.
std::vector<std::vector<ui::Cell>> deflectionRows();

// Frame4 of the same steps: the lowest and highest shear stress, their ratio, the ratio to the
// strength (zmax/6b) and the fatigue verdict label (Label5) across the three columns.
std::vector<std::vector<ui::Cell>> stressRows();

// Label5 of a check step says whether the fatigue strength is met, in the report font.
void showFatigueVerdict(FormBase* form, bool ok);

} // namespace wizardsteps
