// Torsion spring design data: legs, formulas, checks and moduli.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form27 : public ReferencePicture {
public:
    Form27()
        : ReferencePicture(QStringLiteral("Form27"), 1204,
                           {QStringLiteral(":/pictures/reference/torsion-design-data.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form27)
