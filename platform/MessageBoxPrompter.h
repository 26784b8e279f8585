#pragma once
// The prompter of the running program: real, modal message boxes.

#include "common/Prompt.h"

class MessageBoxPrompter : public Prompter {
public:
    PromptAnswer ask(QWidget* parent, const PromptRequest& request) override;
};
