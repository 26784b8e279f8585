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

} // namespace host
