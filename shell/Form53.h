#pragma once
// Form53: fast power-off. Asks once, when the window loads; on OK the session is asked to
// power the computer off in the ordinary way, so other programs can save their work.

#include "common/ui/FormBase.h"
#include "platform/PowerService.h"

class Form53 : public FormBase {
    Q_OBJECT
public:
    Form53();
};

namespace powerquestion {

// Asks the question (OK/Cancel, no icon, title 1318); on OK requests the action and reports
// a refusal. Shared by the power-off and restart windows.
void askAndRequest(FormBase* window, int questionId, PowerService::Action action);

// The start of the message that reports a refused request; the session's reason follows.
QString refusal(PowerService::Action action);

} // namespace powerquestion
