#pragma once
// The torsion spring window: the body, its section and six section-sized circles beside it.

#include "cad/CadInputForm.h"

class CadTorsionForm : public cad::CadInputForm {
    Q_OBJECT
public:
    CadTorsionForm();
    void draw();
};
