#pragma once
// Form23: the expert-mode calculator of close-wound cylindrical helical extension springs with
// hooks. Its normal-mode twin is Form10; Command3 switches back. Save As and Drawing fill the
// extension spring's spreadsheet templates.
//
// The window builds its layout from tables and maps its controls to the calculation in
// ExtensionExpert.h.

#include "common/ui/FormBase.h"

class QGroupBox;
namespace extensionexpert {
struct Checks;
}

class Form23 : public FormBase {
    Q_OBJECT
public:
    Form23();

private:
    void buildInputs(QGroupBox* frame);
    void buildResults(QGroupBox* frame);
    void buildChecks(QGroupBox* frame);
    QWidget* buildButtons(QWidget* parent);

    void calculate();
    void showChecks(const extensionexpert::Checks& c);
    void reset();
};
