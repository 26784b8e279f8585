#include "platform/MessageBoxPrompter.h"

#include <QMessageBox>

PromptAnswer MessageBoxPrompter::ask(QWidget* parent, const PromptRequest& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (request.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case PromptButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    default:
        return PromptAnswer::Ok;
    }
}
