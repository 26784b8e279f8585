#pragma once
// The conical spring window: "生成图形" draws it with a turn of constant diameter at each
// end, "不收圈塔形" tapering over its whole length.

#include "cad/CadInputForm.h"

class CadConicalForm : public cad::CadInputForm {
    Q_OBJECT
public:
    CadConicalForm();
    void draw(bool endTurns);
};
