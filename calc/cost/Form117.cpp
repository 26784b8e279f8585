// The hub of the cost-analysis wizard: four steps (product information, dimensions,
// material, manufacturing cost) and a finish button that saves the report as a text file.

#include "common/ui/DesignWizard.h"
#include "common/ui/FormRegistry.h"
#include "platform/TextReport.h"

namespace {

const DesignWizard::Captions kCaptions{.window = 2050,
                                       .frame = 2051,
                                       .steps = {2055, 2054, 2053, 2052, 1952, 0},
                                       .initialReport = 2225,
                                       .reportFont = 1353};

class Form117 : public DesignWizard {
public:
    Form117()
        : DesignWizard(QStringLiteral("Form117"), kCaptions, {"Form118", "Form119", "Form120", "Form121"}) {}

protected:
    // The file holds the report as the steps wrote it, followed by one more line end; the box
    // itself shows plain line feeds and is not read back.
    void finish() override { report::saveAs(this, report() + QStringLiteral("\r\n")); }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form117)
