#include "support/RecordingPrompter.h"

PromptAnswer RecordingPrompter::ask(QWidget*, const PromptRequest& request) {
    requests.append(request);
    if (onAsk)
        onAsk(request);
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (request.buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Yes;
    case PromptButtons::RetryCancel:
        return PromptAnswer::Retry;
    default:
        return PromptAnswer::Ok;
    }
}

RecordingPrompter& RecordingPrompter::instance() {
    static RecordingPrompter prompter;
    return prompter;
}
