#pragma once
// The main window's toolbar pictures and window icon, drawn from their SVG files. The splash
// has them drawn on a worker thread while its bar grows (with the background), so that
// building the main window neither loads the SVG icon plugin nor reads two dozen files, and
// its first frame copies finished pixels. Without that start (tests, a later main window) they
// are drawn on the spot, with the same result.

#include <QIcon>

namespace form1 {

// Starts drawing the pictures for a screen of this pixel ratio on a worker thread.
void prepareIcons(qreal ratio);
// Waits for a drawing that prepareIcons() started (it must end before the application does).
void waitForPreparedIcons();

// The toolbar picture of this button index, 32 x 32 at the pixel ratio.
QIcon toolbarIcon(int index, qreal ratio);
// The window icon in the sizes a desktop shows it at.
QIcon windowIcon();

} // namespace form1
