#pragma once
// The variable-pitch spring with a cylindrical middle and two small ends: the rate before
// and after the dense section closes and the node position between them.

#include "common/ui/FormBase.h"

class Form76 : public FormBase {
    Q_OBJECT
public:
    Form76();

private:
    void calculate();
};
