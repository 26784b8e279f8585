// Stainless steel grades compared across national standards.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form29 : public ReferencePicture {
public:
    Form29()
        : ReferencePicture(QStringLiteral("Form29"), 1207,
                           {QStringLiteral(":/pictures/reference/stainless-grades-austenitic.svg"),
                            QStringLiteral(":/pictures/reference/stainless-grades-other.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form29)
