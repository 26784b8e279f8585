#pragma once
// The frame of the wire-section and torsion calculators: a material list, one column of input
// rows, the calculate and reset buttons (and an exit button where a window has one), the
// result rows and a picture to the right.
//
// Result boxes are ordinary editable boxes: in most of these windows they are items of the
// input array itself, so the key filter and the Down arrow reach them as they reach the inputs.

#include "common/ui/FieldTable.h"
#include "common/ui/FormBase.h"
#include "common/ui/ResultRows.h"

#include <QStringList>
#include <functional>
#include <span>

class QWidget;

namespace wiresection {

// A label placed after the unit of an input row: a hint such as "查右表".
struct Hint {
    const char* name;
    int textId;
    const char* besideField;
    bool red = true;
};

struct Layout {
    int captionId = 0;
    const char* materialLabel = "Label1_18";
    int materialLabelId = 1646;
    QStringList materials;
    ui::InputFields inputs = {};
    std::span<const Hint> hints = {};
    std::span<const ui::ResultRow> results = {}; // editable boxes
    int resultColumns = 1;
    // 0: one uncaptioned Frame1 encloses everything; otherwise Frame1 holds the inputs under
    // this caption and Frame2 the results under resultFrameId.
    int inputFrameId = 0;
    int resultFrameId = 1812;
    const char* exitButton = nullptr;           // "Command3", or no exit button
    bool focusFirstField = true;                // the activate handler puts the focus into Text1_0
    bool fixedSize = false;                     // no minimise or maximise button, opened centred
    std::span<const char* const> tabOrder = {}; // the first control takes the focus at opening
    QWidget* side = nullptr;
};

void build(FormBase* form, const Layout& layout, std::function<void()> calculate,
           std::function<void()> reset);

// The picture of a window from resources/pictures/sections/.
QWidget* picture(FormBase* form, const char* file, const char* name = "Image1");

// Centres a window on the screen it opens on.
void centre(FormBase* form);

} // namespace wiresection
