#pragma once
// Answers every message box without showing it and remembers what was asked.

#include "common/Prompt.h"

#include <QList>

class RecordingPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const PromptRequest& request) override;

    QList<PromptRequest> requests;
    // Answers given in turn; when they run out, Ok (or Yes) is answered.
    QList<PromptAnswer> answers;
    // Runs inside the box, as if the user acted while it was open.
    std::function<void(const PromptRequest&)> onAsk;

    void clear() {
        requests.clear();
        answers.clear();
    }
    QString lastText() const { return requests.isEmpty() ? QString() : requests.last().text; }

    // The prompter every test starts with (installed by the test main).
    static RecordingPrompter& instance();
};
