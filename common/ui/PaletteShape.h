#pragma once
// Helidraw's palette as both programs see it: a frameless window holding one toolbar of buttons,
// each a 16-px picture over a one-line caption, above a strip 60 twips high. The palette sizes
// itself by this rule, and the drawing host, which runs in its own process and cannot ask the
// palette, keeps its dialogs below the height it gives. Both run on the same desktop, so the
// rule measures with the same font and style in each.

#include <QStringList>

class QToolBar;

namespace paletteshape {

// The captions of the palette's buttons, in button order.
const QStringList& captions();

// Shows captions under the pictures, at the pictures' size.
void styleToolbar(QToolBar* toolbar);

// The strip below the toolbar: the palette's own surface, by which the user drags it.
int stripHeight();

// The toolbar's height at the application's font and style.
int toolbarHeight();

// The whole window's height, frame included: the palette has none.
int outerHeight();

} // namespace paletteshape
