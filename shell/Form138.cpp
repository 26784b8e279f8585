// Fatigue-life diagram of torsion springs, and the life steps by stress ratio.
// It never sets a caption at load, so the designed Chinese one shows in every language.

#include "common/ui/FormRegistry.h"
#include "shell/ReferencePicture.h"

class Form138 : public ReferencePicture {
public:
    Form138()
        : ReferencePicture(QStringLiteral("Form138"), QStringLiteral("扭转弹簧疲劳寿命图"),
                           {QStringLiteral(":/pictures/reference/fatigue-torsion.svg"),
                            QStringLiteral(":/pictures/reference/fatigue-life-table.svg")}) {}
};

SPIRELTA_REGISTER_FORM(Form138)
