// Extension spring design data: hooks, initial tension, formulas, checks and moduli.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form26 : public ReferencePicture {
public:
    Form26()
        : ReferencePicture(QStringLiteral("Form26"), 1205,
                           {QStringLiteral(":/pictures/reference/extension-design-data.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form26)
