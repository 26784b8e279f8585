#pragma once
// The barrel and hourglass spring window: "生成中凸SP" draws a barrel spring, "生成中凹SP"
// an hourglass spring.

#include "cad/CadInputForm.h"

class CadBarrelForm : public cad::CadInputForm {
    Q_OBJECT
public:
    CadBarrelForm();
    void draw(bool barrel);
};
