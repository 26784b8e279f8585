// Step 4 of the extension wizard (Form103) and its sub-calculators: trial wire diameter
// (Form104), mean diameter (Form105) and active coils (Form106), the extension twins of the
// compression design step. The extension step has no end coils; a spring index of 1 or less
// keeps the last Wahl factor instead of failing.

#include "calc/wizards/CompressionDesignCore.h"
#include "calc/wizards/ExtensionCores.h"
#include "calc/wizards/SeriesPick.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/SubCalculator.h"
#include "calc/wizards/TrialActiveCoils.h"
#include "calc/wizards/TrialMeanDiameter.h"
#include "calc/wizards/TrialWireDiameter.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "common/ui/WizardStep.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using wizardsteps::BoxRow;
using wizardsteps::readSingle;

const BoxRow kDimensions[] = {
    {"Label2_0", 1815, "Text2_0", "4.0", "Unit_Text2_0", 0, "mm"},
    {"Label2_1", 1332, "Text2_1", "22", "Unit_Text2_1", 0, "mm"},
    {"Label2_2", 1373, "Text2_2", "25", "Unit_Text2_2", 2323},
};
const BoxRow kRates[] = {
    {"Label2_3", 1983, "Text2_3", "", "Unit_Text2_3", 0, "N/mm", true},
    {"Label2_4", 1982, "Text2_4", "", "Unit_Text2_4", 0, "N/mm", true},
    {"Label2_5", 1981, "Text2_5", "", "Label2_6", 0, "%", true},
};

class Form103 : public WizardStep {
public:
    Form103() : WizardStep(QStringLiteral("Form103"), QStringLiteral("Form99"), 4) {
        setWindowTitle(StringTable::text(1056));
        const wizardsteps::DesignFrame frame1 = wizardsteps::beginDesignFrame(this);
        auto* page = wizardsteps::finishDesignStep(this, frame1, kDimensions, kRates,
                                                   {"Form104", "Form105", "Form106"});
        page->addLayout(makeConfirmCancel());

        setSingle(QStringLiteral("Text2_3"), wizard::state.extRequiredRate, u"0.00");
        declare(wizardsteps::boxNames(kDimensions) + wizardsteps::boxNames(kRates));
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        wizard::State& s = wizard::state;
        if (!wizardsteps::readDimensions(this, s.extMaterialName,
                                         {s.extWireDia, s.extMeanDia, s.extActiveCoils}))
            return;
        extensiondesign::DesignResults r{s.extActualRate, s.extRateError, s.extSpringIndex, s.extWahlFactor};
        auto store = [&] {
            s.extActualRate = r.rate;
            s.extRateError = r.rateError;
            s.extSpringIndex = r.springIndex;
            s.extWahlFactor = r.wahlFactor;
        };
        // k and the error come before C: with d = 0 they are shown before the fault.
        ui::computeThenShow(
            [&] {
                extensiondesign::compute(
                    {s.extWireDia, s.extMeanDia, s.extActiveCoils, s.extShearModulus, s.extRequiredRate}, r);
            },
            [&] {
                store();
                setSingle(QStringLiteral("Text2_4"), s.extActualRate, u"0.00");
                setSingle(QStringLiteral("Text2_5"), s.extRateError, u"0.00");
            });
    }

    QString confirmedReport() override {
        using wizardreport::line;
        const wizard::State& s = wizard::state;
        QString r = wizardreport::section(s.extReport3, 2324);
        r += line(2325, text(QStringLiteral("Text2_0")), QStringLiteral(" (mm)"));
        r += line(2331, text(QStringLiteral("Text2_1")), QStringLiteral(" (mm)"));
        r += line(2326, num::textSingle(s.extSpringIndex));
        r += line(2327, num::textSingle(s.extWahlFactor));
        r += line(2328, text(QStringLiteral("Text2_2")), StringTable::text(2323));
        r += line(2330, text(QStringLiteral("Text2_4")), QStringLiteral(" (N/mm)"));
        wizard::state.extReport4 = r;
        return r;
    }
};

// d' as in the compression wizard. The factor is shown for the C' typed here (none while that
// C' has no Wahl factor, and then d' is not worked out); d' takes the design step's factor.
const TrialWireDiameter::Design kForm104{
    .className = "Form104",
    .designStep = "Form103",
    .defaultIndex = "5.5",
    .springIndex = &wizard::State::extSpringIndex,
    .trialSpringIndex = &wizard::State::extTrialSpringIndex,
    .workingLoad = &wizard::State::extWorkingLoad,
    .allowableShear = &wizard::State::extAllowableShear,
    .wahlFactor = &wizard::State::extWahlFactor,
    .trialWireDia = &wizard::State::extTrialWireDia,
    .shownFactor = [](const wizard::State& s) -> std::optional<QString> {
        if (!extensiondesign::hasWahlFactor(s.extTrialSpringIndex))
            return std::nullopt;
        return num::format(extensiondesign::shownWahlFactor(s.extTrialSpringIndex), u"0.00");
    }};

class Form104 : public TrialWireDiameter {
public:
    Form104() : TrialWireDiameter(kForm104) {}
};

// D' = d C' with the C' typed here.
const TrialMeanDiameter::Design kForm105{.className = "Form105",
                                         .designStep = "Form103",
                                         .defaultIndex = "5.5",
                                         .wireDia = &wizard::State::extWireDia,
                                         .springIndex = &wizard::State::extSpringIndex,
                                         .trialMeanDia = &wizard::State::extTrialMeanDia,
                                         .trialMeanDiameter = compressiondesign::trialMeanDiameter};

class Form105 : public TrialMeanDiameter {
public:
    Form105() : TrialMeanDiameter(kForm105) {}
};

// n' from G, D, C and K1' as in the compression wizard; Confirm writes n' in whole coils.
const TrialActiveCoils::Design kForm106{.className = "Form106",
                                        .designStep = "Form103",
                                        .source = "Text1_4",
                                        .formula = ":/pictures/wizards/formula_active_coils.svg",
                                        .hint = "这里可以手动输入",
                                        .shown = {{1972, &wizard::State::extShearModulus},
                                                  {1332, &wizard::State::extMeanDia},
                                                  {1419, &wizard::State::extSpringIndex},
                                                  {1998, &wizard::State::extRequiredRate, "0.00"}},
                                        .trialActiveCoils = &wizard::State::extTrialActiveCoils,
                                        .trial =
                                            [](const wizard::State& s) {
                                                return compressiondesign::trialActiveCoils(
                                                    s.extShearModulus, s.extMeanDia, s.extSpringIndex,
                                                    s.extRequiredRate);
                                            },
                                        .wholeCoils = true};

class Form106 : public TrialActiveCoils {
public:
    Form106() : TrialActiveCoils(kForm106) {}
};

} // namespace

SPIRELTA_REGISTER_FORM(Form103)
SPIRELTA_REGISTER_FORM(Form104)
SPIRELTA_REGISTER_FORM(Form105)
SPIRELTA_REGISTER_FORM(Form106)
