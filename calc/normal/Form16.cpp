#include "calc/normal/Form16.h"

#include "common/ui/FormRegistry.h"

Form16::Form16()
    : LoadTestForm(QStringLiteral("Form16"), 1532, QStringLiteral("Form9"),
                   std::make_unique<loadtest::TorsionLoadTest>(),
                   {
                       {"Label1", 1534, {}, "Label7", "Label2", "。"},
                       {"Label3", 1535, {}, "Label8", "Label4", "。"},
                       {"Label10", 1533, {}, "Label12", "Label11", "kgf.mm"},
                       {"Label5", 1536, {}, "Label9", "Label6", "kgf"},
                   },
                   false) {}

SPIRELTA_REGISTER_FORM(Form16)
