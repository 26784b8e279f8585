// Stress-relief temperatures and times by material and wire diameter.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form32 : public ReferencePicture {
public:
    Form32()
        : ReferencePicture(QStringLiteral("Form32"), 1211,
                           {QStringLiteral(":/pictures/reference/stress-relief.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form32)
