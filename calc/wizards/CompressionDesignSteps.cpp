// Step 4 of the compression wizard (Form94) and its three sub-calculators: trial wire
// diameter (Form95), mean diameter (Form96) and active coils (Form97). The design step shows
// the actual rate beside the required one while the user settles d, D and n; each
// sub-calculator proposes one of them and writes its pick into the design step's field.

#include "calc/wizards/CompressionDesignCore.h"
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
        if (isEmpty(QStringLiteral("Text2_0")) || isEmpty(QStringLiteral("Text2_1")) ||
            isEmpty(QStringLiteral("Text2_2")))
            return;
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1"), s.compMaterialName);
        s.compWireDia = readSingle(this, QStringLiteral("Text2_0"));
        s.compMeanDia = readSingle(this, QStringLiteral("Text2_1"));
        s.compActiveCoils = readSingle(this, QStringLiteral("Text2_2"));

        compressiondesign::DesignResults r{s.compActualRate, s.compTotalCoils, s.compSpringIndex,
                                           s.compWahlFactor, s.compRateError};
        auto store = [&] {
            s.compActualRate = r.rate;
            s.compTotalCoils = r.totalCoils;
            s.compSpringIndex = r.springIndex;
            s.compWahlFactor = r.wahlFactor;
            s.compRateError = r.rateError;
        };
        try {
            compressiondesign::compute({s.compWireDia, s.compMeanDia, s.compActiveCoils, s.compShearModulus,
                                        s.compRequiredRate, s.inactiveEndCoils},
                                       r);
        } catch (...) {
            store(); // what was computed before the fault stays, as the step always kept it
            throw;
        }
        store();
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

const BoxRow kForm95Rows[] = {
    {"Label1_0", 1419, "Text1_0", "7.11"},
    {"Label1_1", 1994, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1993, "Text1_2", "", nullptr, 0, "", true},
    {"Label1_3", 1418, "Text1_3", "", nullptr, 0, "", true},
    {"Label1_4", 1992, "Text1_4", "", nullptr, 0, "", true},
};

class Form95 : public SubCalculator {
public:
    Form95()
        : SubCalculator(QStringLiteral("Form95"), 1989, 1990, kForm95Rows,
                        {QStringLiteral("Combo1"), QStringLiteral("Form94"), QStringLiteral("Text2_0")}) {
        addSeries(1991, series::standardWireDiameters(),
                  QStringLiteral(":/pictures/wizards/formula_trial_wire.svg"));
        setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.compSpringIndex));
        addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text1_0")))
            return;
        wizard::State& s = wizard::state;
        s.compTrialSpringIndex = readSingle(this, QStringLiteral("Text1_0"));
        setText(QStringLiteral("Text1_1"), num::textSingle(s.compWorkingLoad));
        setText(QStringLiteral("Text1_2"), num::textSingle(s.compAllowableShear));
        setText(QStringLiteral("Text1_3"), num::textSingle(s.compWahlFactor));
        s.compTrialWireDia = compressiondesign::trialWireDiameter(s.compWahlFactor, s.compTrialSpringIndex,
                                                                  s.compWorkingLoad, s.compAllowableShear);
        setSingle(QStringLiteral("Text1_4"), s.compTrialWireDia, u"0.00");
        series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
    }
};

const BoxRow kForm96Rows[] = {
    {"Label1_0", 1419, "Text1_0", "7.11"},
    {"Label1_1", 1815, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1332, "Text1_2", "", nullptr, 0, "", true},
};

class Form96 : public SubCalculator {
public:
    Form96()
        : SubCalculator(QStringLiteral("Form96"), 1995, 0, kForm96Rows,
                        {QStringLiteral("Text1_2"), QStringLiteral("Form94"), QStringLiteral("Text2_1")}) {
        setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.compSpringIndex));
        addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text1_0")))
            return;
        const float index = readSingle(this, QStringLiteral("Text1_0")); // kept by this window only
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1_1"), num::textSingle(s.compWireDia));
        s.compTrialMeanDia = compressiondesign::trialMeanDiameter(s.compWireDia, index);
        setText(QStringLiteral("Text1_2"), num::textSingle(s.compTrialMeanDia));
    }
};

const BoxRow kForm97Rows[] = {
    {"Label1_0", 1972, "Text1_0", "", nullptr, 0, "", true},
    {"Label1_1", 1332, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_2", 1419, "Text1_2", "", nullptr, 0, "", true},
    {"Label1_3", 1998, "Text1_3", "", nullptr, 0, "", true},
    {"Label1_4", 1999, "Text1_4", "", nullptr, 0, "", true},
};

class Form97 : public SubCalculator {
public:
    Form97()
        : SubCalculator(QStringLiteral("Form97"), 1996, 1997, kForm97Rows,
                        {QStringLiteral("Combo1"), QStringLiteral("Form94"), QStringLiteral("Text2_2")}) {
        QComboBox* combo = addSeries(2000, series::activeCoilSeries(),
                                     QStringLiteral(":/pictures/wizards/formula_active_coils.svg"));
        combo->setToolTip(QStringLiteral("该值可手动输入"));
        // The only computation of this window: once per opening, so the user's choice stays.
        runGuarded([this] { compute(); });
    }

private:
    void compute() {
        wizard::State& s = wizard::state;
        setText(QStringLiteral("Text1_0"), num::textSingle(s.compShearModulus));
        setText(QStringLiteral("Text1_1"), num::textSingle(s.compMeanDia));
        setText(QStringLiteral("Text1_2"), num::textSingle(s.compSpringIndex));
        setText(QStringLiteral("Text1_3"), num::textSingle(s.compRequiredRate));
        s.compTrialActiveCoils = compressiondesign::trialActiveCoils(s.compShearModulus, s.compMeanDia,
                                                                     s.compSpringIndex, s.compRequiredRate);
        setSingle(QStringLiteral("Text1_4"), s.compTrialActiveCoils, u"0.00");
        series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form94)
SPIRELTA_REGISTER_FORM(Form95)
SPIRELTA_REGISTER_FORM(Form96)
SPIRELTA_REGISTER_FORM(Form97)
