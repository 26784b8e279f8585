#pragma once
// Compression spring calculator, normal mode: developed length, solid-height check, rate,
// loads at up to three working heights and the limit load; fills the compression drawing
// sheet. The arithmetic is in CompressionCalc; this window maps its controls to it.

#include "common/ui/FormBase.h"

class QBoxLayout;

class Form8 : public FormBase {
    Q_OBJECT
public:
    Form8();

private:
    void buildInputFrame(QBoxLayout* layout);
    void buildResultArea(QBoxLayout* layout);
    void connectCommands();
    void calculate();
    void reset();
    void fillDrawingSheet();
};
