#pragma once
// Where the host's window and dialogs open: inside the screen's available area, below the band
// at its top edge where Helidraw's palette opens and stays above every other window. The band
// is as high as the palette by the rule both programs share; frames count, title bars included.

#include <QRect>

class QDialog;
class QScreen;
class QWidget;

namespace host {

// The screen's available area less the palette's band.
QRect paletteFreeArea(const QScreen* screen);

// Sizes the window to the preferred size, or smaller where the area is smaller, and centres
// its frame in the area.
void placeWindow(QWidget* window, const QSize& preferred);

// Each time the dialog is shown it is centred on the window it belongs to, and its frame is
// moved into the area, the dialog made smaller where it would not fit.
void keepClearOfPalette(QDialog* dialog);

// Helidraw's input windows stay above other windows and open in the middle of the screen,
// where the dialog opens too: the dialog stays above other windows as well, and comes to the
// front, active, each time it is shown.
void keepInFront(QDialog* dialog);

// Raises the window above the others of its layer and makes it the active one.
void bringForward(QWidget* window);

} // namespace host
