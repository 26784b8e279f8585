#include "common/Prompt.h"

#include "common/StringTable.h"

namespace {

class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget*, const PromptRequest& request) override {
        switch (request.buttons) {
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Yes;
        case PromptButtons::RetryCancel:
            return PromptAnswer::Cancel;
        default:
            return PromptAnswer::Ok;
        }
    }
};

SilentPrompter silent;
Prompter* current = &silent;

} // namespace

namespace prompt {

void install(Prompter* prompter) {
    current = prompter ? prompter : &silent;
}

Prompter* installed() {
    return current;
}

PromptAnswer ask(QWidget* parent, const PromptRequest& request) {
    return current->ask(parent, request);
}

void inform(QWidget* parent, const QString& text) {
    ask(parent, {StringTable::text(1318), text, PromptIcon::Information, PromptButtons::Ok});
}

QString programTitle() {
    // The same in every language; picked like the other texts the program shows.
    return StringTable::pick("SpireltaSpringV2024", "SpireltaSpringV2024", "SpireltaSpringV2024");
}

void inputError(QWidget* parent) {
    inform(parent, StringTable::text(1035));
}

} // namespace prompt
