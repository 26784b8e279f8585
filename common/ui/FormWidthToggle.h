#pragma once
// FormWidthToggle: pointing at one of a window's trigger controls widens the window to a fixed
// outer width, which brings into view what lies beyond its usual right edge (a life diagram,
// a help panel). It only ever widens: each further move sets the same width again and the
// window stays wide until it closes.

#include <QList>

class QWidget;

namespace ui {

// The revealed widget is hidden until the first move over a trigger; it may be nullptr when
// the extra width alone uncovers what the user is meant to see.
void attachFormWidthToggle(QWidget* window, const QList<QWidget*>& triggers, int widthTwips,
                           QWidget* revealed = nullptr);

} // namespace ui
