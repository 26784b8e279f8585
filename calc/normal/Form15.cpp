#include "calc/normal/Form15.h"

#include "common/ui/FormRegistry.h"

Form15::Form15()
    : LoadTestForm(QStringLiteral("Form15"), 1526, QStringLiteral("Form8"),
                   std::make_unique<loadtest::CompressionLoadTest>(),
                   {
                       {"Label1", 1369, {}, "Label7", "Label2", "mm"},
                       {"Label3", 1531, {}, "Label8", "Label4", "mm"},
                       {"Label5", 1530, {}, "Label9", "Label6", "gf"},
                   },
                   true) {}

SPIRELTA_REGISTER_FORM(Form15)
