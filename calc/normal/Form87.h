#pragma once
// Theoretical pass rate of a batch of compression or extension springs.

#include "common/ui/FormBase.h"

class Form87 : public FormBase {
    Q_OBJECT
public:
    Form87();

    // The 20 materials in the order this window lists them.
    static QStringList materialNames();

private:
    void calculate();
    void reset();
};
