// Spring manufacturing flow chart, drawing to packing.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form31 : public ReferencePicture {
public:
    Form31()
        : ReferencePicture(QStringLiteral("Form31"), 1210,
                           {QStringLiteral(":/pictures/reference/manufacturing-flow.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form31)
