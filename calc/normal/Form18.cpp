#include "calc/normal/Form18.h"

#include "common/ui/FormRegistry.h"

Form18::Form18()
    : LoadTestForm(QStringLiteral("Form18"), 1541, QStringLiteral("Form13"),
                   std::make_unique<loadtest::ConicalLoadTest>(),
                   {
                       {"Label1", 1369, {}, "Label7", "Label2", "mm"},
                       {"Label3", 1531, {}, "Label8", "Label4", "mm"},
                       {"Label5", 1530, {}, "Label9", "Label6", "gf"},
                   },
                   true) {}

SPIRELTA_REGISTER_FORM(Form18)
