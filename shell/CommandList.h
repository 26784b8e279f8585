#pragma once
// The main window's command list: the menu tree, the popup menu, the toolbar and the hot spots
// over the background picture, each entry with its control name, caption and target.
//
// This is the one place that says what a control opens. Targets are window class names looked
// up in FormRegistry at click time, so a window that a later library adds is reached from here
// without touching this file; until then its command does nothing. Commands that start a
// program or act on the desktop are looked up by control name in ProgramCommands.

#include <QString>
#include <array>
#include <vector>

namespace commands {

struct Target {
    enum Kind { Nothing, Window, Program, Exit };
    Kind kind = Nothing;
    const char* name = ""; // window class (Window) or program command (Program)
};

struct MenuItem {
    const char* control; // object name of the QAction
    int captionId;       // 0 for a separator line
    Target target;
    bool isSeparator() const { return captionId == 0; }
};

// A menu of the bar with its items, or (no items) a command on the bar itself.
struct Menu {
    const char* control;
    int captionId;
    std::vector<MenuItem> items;
    Target target; // for a command on the bar
};

struct ToolbarButton {
    int index;                  // 1 to 23, from the left
    std::array<int, 2> tooltip; // one id, or two joined without a blank (second 0 when unused)
    const char* target;         // window class
};

// A transparent label over the background picture; geometry in twips of the client area.
struct HotSpot {
    const char* control;
    int left, top, width, height;
    int tooltipId; // 0: no tooltip
    Target target;
};

const std::vector<Menu>& menuBar();
const Menu& popMenu();
const std::vector<ToolbarButton>& toolbar();
const std::vector<HotSpot>& hotSpots();

// The target of a menu item, bar command or hot spot by control name; Nothing when unknown.
Target targetOf(const QString& control);

// The window a toolbar button opens; empty for an index outside 1 to 23.
QString toolbarTarget(int index);

// The tooltip of a toolbar button in the language in force.
QString toolbarTooltip(const ToolbarButton& button);

// The embedded image of toolbar button i (":/pictures/shell/toolbarNN.svg").
QString toolbarImage(int index);

} // namespace commands
