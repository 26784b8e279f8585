#include "shell/Form54.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "shell/Form53.h"

#include <QVBoxLayout>

Form54::Form54() : FormBase(QStringLiteral("Form54")) {
    // The caption stays Chinese in every language; only the button follows the language.
    setWindowTitle(QStringLiteral("快速重启电脑"));
    setMinimumWidth(ui::twips(3600));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui::makeButton(this, QStringLiteral("Command1"), 1012));
    powerquestion::askAndRequest(this, 1039, PowerService::Action::Restart);
}

SPIRELTA_REGISTER_FORM(Form54)
