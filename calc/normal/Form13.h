#pragma once
// Conical (tower) spring calculator, normal mode: rate before the coils touch, the contact
// and solid points, and the loads at one or two working heights.

#include "common/ui/FormBase.h"

class Form13 : public FormBase {
    Q_OBJECT
public:
    Form13();

private:
    void buildInputFrame();
    void buildResultFrame();
    void calculate();
    void setMaterialModulus();
    void reset();
    void fillDrawingSheet();

    // Shear modulus of the last material that matched a list entry; a typed name that
    // matches nothing keeps it.
    float shearModulus_ = 0;
};
