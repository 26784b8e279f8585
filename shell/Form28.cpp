// Spring steel grades compared across national standards.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form28 : public ReferencePicture {
public:
    Form28()
        : ReferencePicture(QStringLiteral("Form28"), 1206,
                           {QStringLiteral(":/pictures/reference/spring-steel-grades.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form28)
