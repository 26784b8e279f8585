// Step 4 of the extension wizard (Form103) and its sub-calculators: trial wire diameter
// (Form104), mean diameter (Form105) and active coils (Form106), the extension twins of the
// compression design step. The extension step has no end coils; a spring index of 1 or less
// keeps the last Wahl factor instead of failing.

#include "calc/wizards/CompressionDesignCore.h"
#include "calc/wizards/ExtensionCores.h"
#include "calc/wizards/SeriesPick.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/SubCalculator.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
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
        if (isEmpty(QStringLiteral("Text2_0")) || isEmpty(QStringLiteral("Text2_1")) ||
            isEmpty(QStringLiteral("Text2_2")))
            return;
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1"), s.extMaterialName);
        s.extWireDia = readSingle(this, QStringLiteral("Text2_0"));
        s.extMeanDia = readSingle(this, QStringLiteral("Text2_1"));
        s.extActiveCoils = readSingle(this, QStringLiteral("Text2_2"));
        extensiondesign::DesignResults r{s.extActualRate, s.extRateError, s.extSpringIndex, s.extWahlFactor};
        auto store = [&] {
            s.extActualRate = r.rate;
            s.extRateError = r.rateError;
            s.extSpringIndex = r.springIndex;
            s.extWahlFactor = r.wahlFactor;
        };
        try {
            extensiondesign::compute(
                {s.extWireDia, s.extMeanDia, s.extActiveCoils, s.extShearModulus, s.extRequiredRate}, r);
        } catch (...) {
            // k and the error come before C: with d = 0 they are shown before the fault.
            store();
            setSingle(QStringLiteral("Text2_4"), s.extActualRate, u"0.00");
            setSingle(QStringLiteral("Text2_5"), s.extRateError, u"0.00");
            throw;
        }
        store();
        setSingle(QStringLiteral("Text2_4"), r.rate, u"0.00");
        setSingle(QStringLiteral("Text2_5"), r.rateError, u"0.00");
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

const BoxRow kForm104Rows[] = {
    {"Label1_0", 1419, "Text1_0", "5.5"},
    {"Label1_1", 1994, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1993, "Text1_2", "", nullptr, 0, "", true},
    {"Label1_3", 1418, "Text1_3", "", nullptr, 0, "", true},
    {"Label1_4", 1992, "Text1_4", "", nullptr, 0, "", true},
};

class Form104 : public SubCalculator {
public:
    Form104()
        : SubCalculator(QStringLiteral("Form104"), 1989, 1990, kForm104Rows,
                        {QStringLiteral("Combo1"), QStringLiteral("Form103"), QStringLiteral("Text2_0")}) {
        addSeries(1991, series::standardWireDiameters(),
                  QStringLiteral(":/pictures/wizards/formula_trial_wire.svg"));
        setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.extSpringIndex));
        addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text1_0")))
            return;
        wizard::State& s = wizard::state;
        s.extTrialSpringIndex = readSingle(this, QStringLiteral("Text1_0"));
        setText(QStringLiteral("Text1_1"), num::textSingle(s.extWorkingLoad));
        setText(QStringLiteral("Text1_2"), num::textSingle(s.extAllowableShear));
        if (!extensiondesign::hasWahlFactor(s.extTrialSpringIndex))
            return;
        // Shown for the C' typed here; the trial diameter takes the design step's factor.
        setNumber(QStringLiteral("Text1_3"), extensiondesign::shownWahlFactor(s.extTrialSpringIndex),
                  u"0.00");
        s.extTrialWireDia = compressiondesign::trialWireDiameter(s.extWahlFactor, s.extTrialSpringIndex,
                                                                 s.extWorkingLoad, s.extAllowableShear);
        setSingle(QStringLiteral("Text1_4"), s.extTrialWireDia, u"0.00");
        series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
    }
};

const BoxRow kForm105Rows[] = {
    {"Label1_0", 1419, "Text1_0", "5.5"},
    {"Label1_1", 1815, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1332, "Text1_2", "", nullptr, 0, "", true},
};

class Form105 : public SubCalculator {
public:
    Form105()
        : SubCalculator(QStringLiteral("Form105"), 1995, 0, kForm105Rows,
                        {QStringLiteral("Text1_2"), QStringLiteral("Form103"), QStringLiteral("Text2_1")}) {
        setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.extSpringIndex));
        addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text1_0")))
            return;
        const float index = readSingle(this, QStringLiteral("Text1_0"));
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1_1"), num::textSingle(s.extWireDia));
        s.extTrialMeanDia = compressiondesign::trialMeanDiameter(s.extWireDia, index);
        setText(QStringLiteral("Text1_2"), num::textSingle(s.extTrialMeanDia));
    }
};

const BoxRow kForm106Rows[] = {
    {"Label1_0", 1972, "Text1_0", "", nullptr, 0, "", true},
    {"Label1_1", 1332, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1419, "Text1_2", "", nullptr, 0, "", true},
    {"Label1_3", 1998, "Text1_3", "", nullptr, 0, "", true},
    {"Label1_4", 1999, "Text1_4", "", nullptr, 0, "", true},
};

class Form106 : public SubCalculator {
public:
    Form106()
        : SubCalculator(QStringLiteral("Form106"), 1996, 1997, kForm106Rows,
                        {QStringLiteral("Text1_4"), QStringLiteral("Form103"), QStringLiteral("Text2_2")}) {
        QComboBox* combo = addSeries(2000, series::activeCoilSeries(),
                                     QStringLiteral(":/pictures/wizards/formula_active_coils.svg"));
        combo->setToolTip(QStringLiteral("这里可以手动输入"));
        runGuarded([this] { compute(); });
    }

private:
    void compute() {
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1_0"), num::textSingle(s.extShearModulus));
        setText(QStringLiteral("Text1_1"), num::textSingle(s.extMeanDia));
        setText(QStringLiteral("Text1_2"), num::textSingle(s.extSpringIndex));
        setSingle(QStringLiteral("Text1_3"), s.extRequiredRate, u"0.00");
        s.extTrialActiveCoils = compressiondesign::trialActiveCoils(s.extShearModulus, s.extMeanDia,
                                                                    s.extSpringIndex, s.extRequiredRate);
        setSingle(QStringLiteral("Text1_4"), s.extTrialActiveCoils, u"0.00");
        series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
    }

    // The computed n' rounded to whole coils, ties to the even neighbour, whatever the list
    // shows.
    QString proposal() const override {
        const std::optional<double> coils = num::strict(text(QStringLiteral("Text1_4")));
        return coils ? num::text(num::roundHalfEven(*coils, 0)) : QString();
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form103)
SPIRELTA_REGISTER_FORM(Form104)
SPIRELTA_REGISTER_FORM(Form105)
SPIRELTA_REGISTER_FORM(Form106)
