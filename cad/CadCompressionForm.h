#pragma once
// The compression spring window: wire, mean diameter, active turns, free height, closed end
// turns and hand; "生成图形" draws the spring in the host.

#include "cad/CadInputForm.h"

class CadCompressionForm : public cad::CadInputForm {
    Q_OBJECT
public:
    CadCompressionForm();
    void draw();
};
