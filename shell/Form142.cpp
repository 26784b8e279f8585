// Minimum tensile strength of spring wires by diameter.
// It never sets a caption at load, so the designed Chinese one shows in every language.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form142 : public ReferencePicture {
public:
    Form142()
        : ReferencePicture(QStringLiteral("Form142"), QStringLiteral("弹簧钢丝抗拉强度表"),
                           {QStringLiteral(":/pictures/reference/wire-tensile-strength.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form142)
