// Allowable stress factors by wire material and load class.
// It never sets a caption at load, so the designed Chinese one shows in every language.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form141 : public ReferencePicture {
public:
    Form141()
        : ReferencePicture(QStringLiteral("Form141"), QStringLiteral("许用应力系数表"),
                           {QStringLiteral(":/pictures/reference/allowable-stress-factors.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form141)
