#pragma once
// Sheet bend allowance: the unfolded length of a part bent at right angles, by profile shape.

#include "calc/cost/BendAllowance.h"
#include "common/ui/FormBase.h"

#include <optional>

class Form61 : public FormBase {
    Q_OBJECT
public:
    Form61();

private:
    void calculate();
    std::optional<BendShape> chosenShape() const;
};
