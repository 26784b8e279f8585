#pragma once
// Every message box of the program goes through this one service. The program installs a
// prompter that shows real message boxes; tests install one that answers and records, so a
// test never blocks on a modal box.

#include <QString>
#include <functional>

class QWidget;

enum class PromptIcon { None, Information, Question, Warning, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

struct PromptRequest {
    QString title;
    QString text;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(QWidget* parent, const PromptRequest& request) = 0;
};

namespace prompt {

// Installs the prompter used from now on (not owned); nullptr restores the default, which
// answers Ok/Yes without showing anything (for programs that never installed one).
void install(Prompter* prompter);
Prompter* installed();

PromptAnswer ask(QWidget* parent, const PromptRequest& request);

// The most common box: information icon, OK only, title text 1318 ("提示").
void inform(QWidget* parent, const QString& text);

// The program's title, the caption of the boxes that do not take title 1318.
QString programTitle();

// Text 1035 ("输入有错误!"): the box shown when a calculation meets bad numbers.
void inputError(QWidget* parent);

} // namespace prompt
