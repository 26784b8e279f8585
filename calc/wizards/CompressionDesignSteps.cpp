// Step 4 of the compression wizard (Form94) and its three sub-calculators: trial wire
// diameter (Form95), mean diameter (Form96) and active coils (Form97). The design step shows
// the actual rate beside the required one while the user settles d, D and n; each
// sub-calculator proposes one of them and writes its pick into the design step's field.

#include "calc/wizards/CompressionDesignCore.h"
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

// --- Form94: the design step -------------------------------------------------------------------

const BoxRow kDimensions[] = {
    {"Label2_0", 1815, "Text2_0", "4.5", "Unit_Text2_0", 0, "mm"},
    {"Label2_1", 1332, "Text2_1", "32", "Unit_Text2_1", 0, "mm"},
    {"Label2_2", 1373, "Text2_2", "6", "Unit_Text2_2", 2323},
};
const BoxRow kRates[] = {
    {"Label2_3", 1983, "Text2_3", "", "Unit_Text2_3", 0, "N/mm", true},
    {"Label2_4", 1982, "Text2_4", "", "Unit_Text2_4", 0, "N/mm", true},
    {"Label2_5", 1981, "Text2_5", "", "Label2_6", 0, "%", true},
};

class Form94 : public WizardStep {
public:
    Form94() : WizardStep(QStringLiteral("Form94"), QStringLiteral("Form90"), 4) {
        setWindowTitle(StringTable::text(1045));
        const wizardsteps::DesignFrame frame1 = wizardsteps::beginDesignFrame(this);
        auto* page =
            wizardsteps::finishDesignStep(this, frame1, kDimensions, kRates, {"Form95", "Form96", "Form97"});
        page->addLayout(makeConfirmCancel());

        setText(QStringLiteral("Text2_3"), num::textSingle(wizard::state.compRequiredRate));
        declare(wizardsteps::boxNames(kDimensions) + wizardsteps::boxNames(kRates));
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        wizard::State& s = wizard::state;
        if (!wizardsteps::readDimensions(this, s.compMaterialName,
                                         {s.compWireDia, s.compMeanDia, s.compActiveCoils}))
            return;

        compressiondesign::DesignResults r{s.compActualRate, s.compTotalCoils, s.compSpringIndex,
                                           s.compWahlFactor, s.compRateError};
        auto store = [&] {
            s.compActualRate = r.rate;
            s.compTotalCoils = r.totalCoils;
            s.compSpringIndex = r.springIndex;
            s.compWahlFactor = r.wahlFactor;
            s.compRateError = r.rateError;
        };
        // What was computed before a fault stays, as the step always kept it.
        ui::computeThenShow(
            [&] {
                compressiondesign::compute({s.compWireDia, s.compMeanDia, s.compActiveCoils,
                                            s.compShearModulus, s.compRequiredRate, s.inactiveEndCoils},
                                           r);
            },
            store);
        setSingle(QStringLiteral("Text2_4"), r.rate, u"0.00");
        setSingle(QStringLiteral("Text2_5"), r.rateError, u"0.00");
    }

    QString confirmedReport() override {
        using wizardreport::line;
        const wizard::State& s = wizard::state;
        const QString coils = StringTable::text(2323);
        QString r = wizardreport::section(s.compReport3, 2324);
        r += line(2325, text(QStringLiteral("Text2_0")), QStringLiteral(" (mm)"));
        r += line(2331, text(QStringLiteral("Text2_1")), QStringLiteral(" (mm)"));
        r += line(2326, num::textSingle(s.compSpringIndex));
        r += line(2327, num::textSingle(s.compWahlFactor));
        r += line(2328, text(QStringLiteral("Text2_2")), coils);
        r += line(2322, num::textSingle(s.inactiveEndCoils), coils);
        r += line(2329, num::textSingle(s.compTotalCoils), coils);
        r += line(2330, text(QStringLiteral("Text2_4")), QStringLiteral(" (N/mm)"));
        wizard::state.compReport4 = r;
        return r;
    }
};

// --- Sub-calculators ---------------------------------------------------------------------------

// d' from F2', [tau], K and the C' typed here; the factor shown is the design's.
const TrialWireDiameter::Design kForm95{.className = "Form95",
                                        .designStep = "Form94",
                                        .defaultIndex = "7.11",
                                        .springIndex = &wizard::State::compSpringIndex,
                                        .trialSpringIndex = &wizard::State::compTrialSpringIndex,
                                        .workingLoad = &wizard::State::compWorkingLoad,
                                        .allowableShear = &wizard::State::compAllowableShear,
                                        .wahlFactor = &wizard::State::compWahlFactor,
                                        .trialWireDia = &wizard::State::compTrialWireDia,
                                        .shownFactor = [](const wizard::State& s) -> std::optional<QString> {
                                            return num::textSingle(s.compWahlFactor);
                                        }};

class Form95 : public TrialWireDiameter {
public:
    Form95() : TrialWireDiameter(kForm95) {}
};

// D' = d C' with the C' typed here.
const TrialMeanDiameter::Design kForm96{.className = "Form96",
                                        .designStep = "Form94",
                                        .defaultIndex = "7.11",
                                        .wireDia = &wizard::State::compWireDia,
                                        .springIndex = &wizard::State::compSpringIndex,
                                        .trialMeanDia = &wizard::State::compTrialMeanDia,
                                        .trialMeanDiameter = compressiondesign::trialMeanDiameter};

class Form96 : public TrialMeanDiameter {
public:
    Form96() : TrialMeanDiameter(kForm96) {}
};

// n' from G, D, C and K1'; computed once per opening, so the user's choice stays.
const TrialActiveCoils::Design kForm97{.className = "Form97",
                                       .designStep = "Form94",
                                       .source = "Combo1",
                                       .formula = ":/pictures/wizards/formula_active_coils.svg",
                                       .hint = "该值可手动输入",
                                       .shown = {{1972, &wizard::State::compShearModulus},
                                                 {1332, &wizard::State::compMeanDia},
                                                 {1419, &wizard::State::compSpringIndex},
                                                 {1998, &wizard::State::compRequiredRate}},
                                       .trialActiveCoils = &wizard::State::compTrialActiveCoils,
                                       .trial = [](const wizard::State& s) {
                                           return compressiondesign::trialActiveCoils(
                                               s.compShearModulus, s.compMeanDia, s.compSpringIndex,
                                               s.compRequiredRate);
                                       }};

class Form97 : public TrialActiveCoils {
public:
    Form97() : TrialActiveCoils(kForm97) {}
};

} // namespace

SPIRELTA_REGISTER_FORM(Form94)
SPIRELTA_REGISTER_FORM(Form95)
SPIRELTA_REGISTER_FORM(Form96)
SPIRELTA_REGISTER_FORM(Form97)
