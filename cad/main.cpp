// Helidraw: draws springs as 3D geometry in the drawing host.

#include "common/Prompt.h"
#include "common/StartUp.h"
#include "common/ui/FormRegistry.h"
#include "platform/MessageBoxPrompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    startup::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Helidraw"));
    // The palette is the program: hidden input windows do not keep it running on their own.
    QApplication::setQuitOnLastWindowClosed(true);
    MessageBoxPrompter prompter;
    prompt::install(&prompter);
    FormRegistry::show(QStringLiteral("CadPalette"));
    const int result = app.exec();
    prompt::install(nullptr);
    return result;
}
