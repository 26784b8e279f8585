#pragma once
// The extension spring window: body turns, hook turns and diameters, the angle between the
// hooks, and one button per hook kind.

#include "cad/CadInputForm.h"
#include "cad/ExtensionDrawings.h"

class CadExtensionForm : public cad::CadInputForm {
    Q_OBJECT
public:
    CadExtensionForm();
    void draw(void (*drawing)(cad::CadHost&, const cad::ExtensionInputs&));
};
