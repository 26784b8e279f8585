// Compression spring design data: end sketches, formulas, checks and moduli.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form25 : public ReferencePicture {
public:
    Form25()
        : ReferencePicture(QStringLiteral("Form25"), 1203,
                           {QStringLiteral(":/pictures/reference/compression-design-data.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form25)
