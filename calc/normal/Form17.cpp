#include "calc/normal/Form17.h"

#include "common/ui/FormRegistry.h"

Form17::Form17()
    : LoadTestForm(QStringLiteral("Form17"), 1537, QStringLiteral("Form10"),
                   std::make_unique<loadtest::ExtensionLoadTest>(),
                   {
                       {"Label1", 1369, {}, "Label7", "Label2", "mm"},
                       {"Label3", 1539, {}, "Label8", "Label4", "mm"},
                       {"Label5", 1540, {}, "Label9", "Label6", "gf"},
                       {"Label10", 0, "所需拉力max：", "Label12", "Label11", "gf"},
                   },
                   false) {}

SPIRELTA_REGISTER_FORM(Form17)
