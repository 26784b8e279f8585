#pragma once
// The layout shared by the strip-spring windows (spirals, mainsprings, drum springs, thin
// strips): lists and inputs at the top left with a hint label, results below, the sketch to
// the right and the buttons under the inputs. Which window has which frames, lists and
// buttons is data; the window keeps its own calculation.

#include "common/ui/FieldTable.h"
#include "common/ui/InputArrayNavigation.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class FormBase;

namespace stripwin {

struct ListRow {
    const char* combo;
    int captionId = 0;                 // caption from the string table, or
    const char* fixedCaption = "";     // a fixed caption that reads the same in every language
    const char* captionName = nullptr; // "Caption_" + combo when not given
    QStringList items = {};            // the first is selected
};

struct Layout {
    int titleId = 0;
    bool frames = false; // Frame1 (1366) around the inputs and Frame2 (1812) around the results
    std::vector<ListRow> listsBefore = {}; // above the inputs
    ui::InputFields inputs = {};
    std::vector<ListRow> listsAfter = {}; // below the inputs
    int hintId = 0;                       // Label2 beside the inputs
    ui::InputFields results = {};
    ui::InputFields results2 = {}; // a second column of results, when there is one
    int noteId = 0;                // Label1_22 under the results
    const char* picture = nullptr;
    std::vector<std::pair<const char*, int>> buttons = {};
    // Caption labels with a fixed text of the window (fields declared with captionId 0).
    std::vector<std::pair<const char*, const char*>> fixedCaptions = {};
    // Fields that stand on the row of the field before them (a second unit of one value).
    std::vector<const char*> sameRow = {};
};

// Builds the controls; the window then wires its buttons and keys.
void build(FormBase* form, const Layout& layout);

// How a strip window's keys and buttons behave: the Down arrow walks the Text1 array, Enter
// presses Calculate (Command1), Tab follows the given order and the first control in it has the
// focus, Command2 empties every box of the array unless the window resets otherwise, and
// Command3, where the window has it, closes.
struct Wiring {
    std::function<void()> calculate;
    QStringList tabOrder;
    ui::DownRule down = ui::DownRule::NextIndex;
    std::function<void()> reset = {};
    bool exitButton = false;
    const char* firstField = nullptr; // focused when the window is shown, instead of the first in tabOrder
};
void wire(FormBase* form, Wiring wiring);

} // namespace stripwin
