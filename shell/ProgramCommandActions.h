#pragma once
// The main window's commands that start other programs or act on the main window itself:
// calculator, text editor, mail, clean-up of temporary files, operating instructions and
// minimising. Each takes the window that issued it (the parent of any message it shows).

#include <QString>

class QWidget;

namespace programcommands {

void startCalculator(QWidget* parent);
void startTextEditor(QWidget* parent);
void composeMail(QWidget* parent);

// Asks first, then removes the user's stale temporary files in the background and reports
// how many files and bytes went.
void cleanUpTemporaryFiles(QWidget* parent);

void openOperatingInstructions(QWidget* parent);

// Minimises the main window; it then goes to the notification area on its own. Without a
// window given, the main window is looked up.
void minimiseMainWindow(QWidget* mainWindow);

// The shipped operating-instructions document.
QString operatingInstructionsPath();

} // namespace programcommands
