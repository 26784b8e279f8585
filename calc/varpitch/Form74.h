#pragma once
// The conical spring with a small-pitch small end: the rate before and after the dense
// coils touch and the node position between them.

#include "common/ui/FormBase.h"

class Form74 : public FormBase {
    Q_OBJECT
public:
    Form74();

private:
    void calculate();
};
