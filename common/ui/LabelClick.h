#pragma once
// Labels and pictures that act when clicked: the "查询" links that open reference windows, the
// pictures of a picker. A left click (press and release over the label) runs the action; the
// pointer shows a hand over the label so that the user sees it can be clicked.

#include <functional>

class QWidget;

namespace ui {

void onLabelClick(QWidget* label, std::function<void()> action);

// How a click on a label is recognised. The normal calculators have always acted on any left
// release over their labels, with the ordinary pointer; everywhere else a press and a release
// inside the label make the click and the pointer shows a hand.
enum class ClickRule { PressAndReleaseInside, AnyLeftRelease };
void onLabelClick(QWidget* label, std::function<void()> action, ClickRule rule);

} // namespace ui
