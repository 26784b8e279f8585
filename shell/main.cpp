// SpireltaSpringV2024: the spring-design calculator.

#include "common/ui/FormRegistry.h"
#include "common/ui/Prompt.h"
#include "platform/MessageBoxPrompter.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SpireltaSpringV2024"));
    QApplication::setOrganizationName(QStringLiteral("Spirelta"));
    MessageBoxPrompter prompter;
    prompt::install(&prompter);

    if (!FormRegistry::show(QStringLiteral("Form125"))) {
        // Until the splash and the main window exist, a plain window shows the program runs.
        QLabel* placeholder = new QLabel(QStringLiteral("SpireltaSpringV2024"));
        placeholder->setAttribute(Qt::WA_DeleteOnClose);
        placeholder->resize(480, 240);
        placeholder->show();
    }
    return app.exec();
}
