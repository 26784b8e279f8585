// Correction coefficient of one right-angle sheet bend by radius and thickness.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form62 : public ReferencePicture {
public:
    Form62()
        : ReferencePicture(QStringLiteral("Form62"), 1790,
                           {QStringLiteral(":/pictures/reference/bend-coefficient.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form62)
