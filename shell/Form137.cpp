// Fatigue-life diagram of helical compression and extension springs.
// It never sets a caption at load, so the designed Chinese one shows in every language.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form137 : public ReferencePicture {
public:
    Form137()
        : ReferencePicture(QStringLiteral("Form137"), QStringLiteral("压缩拉伸弹簧疲劳寿命图"),
                           {QStringLiteral(":/pictures/reference/fatigue-compression-extension.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form137)
