// The hubs of the three design wizards: Form90 (compression), Form99 (extension) and Form108
// (torsion). They differ only in their captions and step windows; the finish button saves the
// report as a text file.

#include "calc/wizards/WizardReport.h"
#include "common/ui/DesignWizard.h"
#include "common/ui/FormRegistry.h"
#include "platform/TextReport.h"

namespace {

DesignWizard::Captions hubCaptions(int window, int frame) {
    return {.window = window,
            .frame = frame,
            .steps = {1957, 1956, 1367, 1954, 1953, 1952},
            .initialReport = 2098,
            .reportFont = 1353};
}

class SpringDesignWizard : public DesignWizard {
public:
    using DesignWizard::DesignWizard;

protected:
    // The file holds the report as the box shows it, followed by one more line end.
    void finish() override { report::saveAs(this, report() + wizardreport::kCrLf); }
};

class Form90 : public SpringDesignWizard {
public:
    Form90()
        : SpringDesignWizard(QStringLiteral("Form90"), hubCaptions(1050, 1951),
                             {"Form91", "Form92", "Form93", "Form94", "Form98"}) {}
};

class Form99 : public SpringDesignWizard {
public:
    Form99()
        : SpringDesignWizard(QStringLiteral("Form99"), hubCaptions(1051, 2019),
                             {"Form100", "Form101", "Form102", "Form103", "Form107"}) {}
};

class Form108 : public SpringDesignWizard {
public:
    Form108()
        : SpringDesignWizard(QStringLiteral("Form108"), hubCaptions(1052, 2026),
                             {"Form109", "Form110", "Form111", "Form112", "Form116"}) {}
};

} // namespace

SPIRELTA_REGISTER_FORM(Form90)
SPIRELTA_REGISTER_FORM(Form99)
SPIRELTA_REGISTER_FORM(Form108)
