// Spring wire tensile strength by diameter.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form56 : public ReferencePicture {
public:
    Form56()
        : ReferencePicture(QStringLiteral("Form56"), 1208,
                           {QStringLiteral(":/pictures/reference/tensile-strength-carbon.svg"),
                            QStringLiteral(":/pictures/reference/tensile-strength-alloy.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form56)
