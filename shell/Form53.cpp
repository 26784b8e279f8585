#include "shell/Form53.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"

#include <QPointer>
#include <QVBoxLayout>

Form53::Form53() : FormBase(QStringLiteral("Form53")) {
    setWindowTitle(StringTable::text(1014));
    setMinimumWidth(ui::twips(3600));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui::makeButton(this, QStringLiteral("Command1"), 1014));
    powerquestion::askAndRequest(this, 1042, PowerService::Action::PowerOff);
}

SPIRELTA_REGISTER_FORM(Form53)

namespace powerquestion {

void askAndRequest(FormBase* window, int questionId, PowerService::Action action) {
    const PromptAnswer answer = prompt::ask(window, {StringTable::text(1318), StringTable::text(questionId),
                                                     PromptIcon::None, PromptButtons::OkCancel});
    if (answer != PromptAnswer::Ok)
        return;
    QPointer<FormBase> target(window);
    power::service().request(action, window, [target, action](const QString& error) {
        if (error.isEmpty() || !target)
            return;
        prompt::inform(target, refusal(action) + error);
    });
}

QString refusal(PowerService::Action action) {
    return action == PowerService::Action::PowerOff
               ? StringTable::pick("关机请求被拒绝：", "關機請求被拒絕：",
                                   "The request to power off was refused: ")
               : StringTable::pick("重启请求被拒绝：", "重新啟動請求被拒絕：",
                                   "The request to restart was refused: ");
}

} // namespace powerquestion
