// SpireltaSpringV2024: the spring-design calculator. It starts with its splash window, which
// hands over to the main window.

#include "common/Prompt.h"
#include "common/StartUp.h"
#include "common/ui/FormRegistry.h"
#include "platform/MessageBoxPrompter.h"
#include "platform/ProgramDataCheck.h"

#include <QApplication>

int main(int argc, char** argv) {
    startup::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SpireltaSpringV2024"));
    QApplication::setOrganizationName(QStringLiteral("Spirelta"));
    MessageBoxPrompter prompter;
    prompt::install(&prompter);
    programdata::checkAndReport(nullptr);

    if (!FormRegistry::show(QStringLiteral("Form125")))
        return 1;
    const int code = app.exec();
    prompt::install(nullptr);
    return code;
}
