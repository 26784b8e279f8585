#pragma once
// The conical spring with a large-pitch small end: rates of the dense part, the two sparse
// parts and their series combinations, the inflection point, preload and working load, free
// height, test load, shear stress and the pitch, solid-length and stress checks.

#include "common/ui/FormBase.h"

class Form75 : public FormBase {
    Q_OBJECT
public:
    Form75();

private:
    void calculate();
    void reset();
};
