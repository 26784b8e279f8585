#pragma once
// Compression spring calculator, normal mode: developed length, solid-height check, rate,
// loads at up to three working heights and the limit load; fills the compression drawing
// sheet.

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

    // The inputs of one calculation, as the working heights need them.
    struct Spring {
        float g, d, meanDiameter, activeCoils, freeHeight, solidHeight;
    };

    void calculate();
    // The load at an optional working height (h2 or h3) and the limit load from it; false
    // when the spring would be solid there, which stops the calculation.
    bool workingLoad(const Spring& spring, const QString& heightField, const QString& loadGfField,
                     const QString& loadNField, bool loadNInDouble);
    void reset();
    void fillDrawingSheet();
};
