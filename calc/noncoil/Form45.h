#pragma once
// Stacked disc spring calculator.

#include "common/ui/FormBase.h"

class Form45 : public FormBase {
    Q_OBJECT
public:
    Form45();

    // One tick of Timer1: the picture of the chosen combination (CombinationPictureSwitch).
    void switchPicture();

private:
    void calculate();
};
