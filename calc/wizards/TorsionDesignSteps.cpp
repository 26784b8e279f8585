// Step 4 of the torsion wizard (Form112) and its sub-calculators: trial wire diameter
// (Form113), mean diameter (Form114) and active coils (Form115). The design step takes the arm
// lengths and the direction of the torque against the coil hand besides d, D and n.

#include "calc/wizards/SeriesPick.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/SubCalculator.h"
#include "calc/wizards/TorsionCores.h"
#include "calc/wizards/TrialActiveCoils.h"
#include "calc/wizards/TrialMeanDiameter.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PartialResults.h"
#include "common/ui/WizardStep.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using wizardsteps::BoxRow;
using wizardsteps::readSingle;

const BoxRow kArms[] = {
    {"Label5_0", 0, "Text2_6", "40", "Label5_1", 0, "mm"},
    {"Label6_0", 0, "Text2_7", "40", "Label6_1", 0, "mm"},
};
const BoxRow kDimensions[] = {
    {"Label2_0", 1815, "Text2_0", "3.5", "Unit_Text2_0", 0, "mm"},
    {"Label2_1", 1332, "Text2_1", "28", "Unit_Text2_1", 0, "mm"},
    {"Label2_2", 1373, "Text2_2", "7.5", "Unit_Text2_2", 2323},
};
const BoxRow kRates[] = {
    {"Label2_3", 1983, "Text2_3", "", "Unit_Text2_3", 0, "N.mm/°", true},
    {"Label2_4", 1982, "Text2_4", "", "Unit_Text2_4", 0, "N.mm/°", true},
    {"Label2_5", 1981, "Text2_5", "", "Label2_6", 0, "%", true},
};

class Form112 : public WizardStep {
public:
    Form112() : WizardStep(QStringLiteral("Form112"), QStringLiteral("Form108"), 4) {
        setWindowTitle(StringTable::text(1054));
        const wizardsteps::DesignFrame design = wizardsteps::beginDesignFrame(this);
        QGroupBox* frame1 = design.frame;
        QVBoxLayout* inner = design.inner;

        inner->addWidget(ui::makeLabel(frame1, QStringLiteral("Label4_0"), 2041));
        auto* arms = new QWidget(frame1);
        ui::grid(arms, wizardsteps::boxRows(kArms));
        label(QStringLiteral("Label5_0"))->setText(QStringLiteral("L1："));
        label(QStringLiteral("Label6_0"))->setText(QStringLiteral("L2："));
        inner->addWidget(arms);
        inner->addWidget(ui::makeLabel(frame1, QStringLiteral("Label4_1"), 2040));
        auto* directions = new QHBoxLayout;
        auto* group = new QButtonGroup(this);
        for (auto [name, id] : {std::pair{"Option1", 2038}, {"Option2", 2039}}) {
            auto* option = new QRadioButton(StringTable::text(id), frame1);
            option->setObjectName(QString::fromLatin1(name));
            group->addButton(option);
            directions->addWidget(option);
        }
        control<QRadioButton>(QStringLiteral("Option1"))->setChecked(true);
        inner->addLayout(directions);

        auto* page = wizardsteps::finishDesignStep(this, design, kDimensions, kRates,
                                                   {"Form113", "Form114", "Form115"});
        page->addLayout(makeConfirmCancel());

        // The required rate is shown once, as it stood when the step opened.
        setText(QStringLiteral("Text2_3"), num::textSingle(wizard::state.torsRequiredRate));
        declare(wizardsteps::boxNames(kArms) + wizardsteps::boxNames(kDimensions) +
                wizardsteps::boxNames(kRates));
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text2_6")) || isEmpty(QStringLiteral("Text2_7")))
            return;
        wizard::State& s = wizard::state;
        if (!wizardsteps::readDimensions(this, s.torsMaterialName,
                                         {s.torsWireDia, s.torsMeanDia, s.torsActiveCoils}))
            return;
        const float arm1 = readSingle(this, QStringLiteral("Text2_6"));
        const float arm2 = readSingle(this, QStringLiteral("Text2_7"));
        const bool against = control<QRadioButton>(QStringLiteral("Option2"))->isChecked();
        torsiondesign::DesignResults r{s.torsActualRate, s.torsSpringIndex, s.torsCurvatureFactor,
                                       s.torsDirectionalCurvatureFactor, s.torsRateError};
        auto store = [&] {
            s.torsActualRate = r.rate;
            s.torsSpringIndex = r.springIndex;
            s.torsCurvatureFactor = r.curvatureFactor;
            s.torsDirectionalCurvatureFactor = r.directionalFactor;
            s.torsRateError = r.rateError;
        };
        ui::computeThenShow(
            [&] {
                torsiondesign::compute({s.torsWireDia, s.torsMeanDia, s.torsActiveCoils, arm1, arm2,
                                        s.torsYoungsModulus, s.torsRequiredRate, against},
                                       r);
            },
            store);
        s.torsDirection = StringTable::text(against ? 2039 : 2038);
        setSingle(QStringLiteral("Text2_4"), r.rate, u"0.00");
        setSingle(QStringLiteral("Text2_5"), r.rateError, u"0.00");
    }

    QString confirmedReport() override {
        using wizardreport::line;
        const wizard::State& s = wizard::state;
        const QString mpa = QStringLiteral(" (Mpa)");
        QString r = wizardreport::section(s.torsReport3, 2324);
        r += line(2325, text(QStringLiteral("Text2_0")), QStringLiteral(" (mm)"));
        r += line(2331, text(QStringLiteral("Text2_1")), QStringLiteral(" (mm)"));
        r += line(2326, num::textSingle(s.torsSpringIndex));
        r += line(2327, num::formatSingle(s.torsDirectionalCurvatureFactor, u"0.0"));
        r += line(2328, text(QStringLiteral("Text2_2")), StringTable::text(2323));
        r += line(2330, num::formatSingle(s.torsActualRate, u"0.00"), StringTable::text(2035));
        r += line(2316, num::textSingle(s.torsTensileStrength), mpa);
        r += line(2318, num::textSingle(s.torsAllowableBending), mpa);
        wizard::state.torsReport4 = r;
        return r;
    }
};

const BoxRow kForm113Rows[] = {
    {"Label1_6", 1419, "Text1_0", ""},
    {"Label1_0", 2040, "Text1_1", "", nullptr, 0, "", true},
    {"Label1_1", 1994, "Text1_2", "", nullptr, 0, "", true},
    {"Label1_2", 1993, "Text1_3", "", nullptr, 0, "", true},
    {"Label1_3", 1418, "Text1_4", "", nullptr, 0, "", true},
    {"Label1_4", 1992, "Text1_5", "", nullptr, 0, "", true},
};

class Form113 : public SubCalculator {
public:
    Form113()
        : SubCalculator(QStringLiteral("Form113"), 1989, 1990, kForm113Rows,
                        {QStringLiteral("Combo1"), QStringLiteral("Form112"), QStringLiteral("Text2_0")}) {
        addSeries(1991, series::torsionWireDiameters(),
                  QStringLiteral(":/pictures/wizards/formula_torsion_wire.svg"));
        setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.torsSpringIndex));
        addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
    }

private:
    void recompute() {
        if (isEmpty(QStringLiteral("Text1_0")))
            return;
        wizard::State& s = wizard::state;
        // The C typed here is stored as the design's index (the last writer wins), but the
        // trial diameter takes the design step's curvature factor.
        s.torsSpringIndex = readSingle(this, QStringLiteral("Text1_0"));
        setText(QStringLiteral("Text1_1"), s.torsDirection);
        setText(QStringLiteral("Text1_2"), num::textSingle(s.torsWorkingTorque));
        setText(QStringLiteral("Text1_3"), num::textSingle(s.torsAllowableBending));
        setSingle(QStringLiteral("Text1_4"), s.torsCurvatureFactor, u"0.0");
        s.torsTrialWireDia = torsiondesign::trialWireDiameter(s.torsCurvatureFactor, s.torsWorkingTorque,
                                                              s.torsAllowableBending);
        setSingle(QStringLiteral("Text1_5"), s.torsTrialWireDia, u"0.00");
        series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_5")));
    }
};

// D' = d C' with the C' typed here.
const TrialMeanDiameter::Design kForm114{.className = "Form114",
                                         .designStep = "Form112",
                                         .defaultIndex = "7.11",
                                         .wireDia = &wizard::State::torsWireDia,
                                         .springIndex = &wizard::State::torsSpringIndex,
                                         .trialMeanDia = &wizard::State::torsTrialMeanDia,
                                         .trialMeanDiameter = torsiondesign::trialMeanDiameter};

class Form114 : public TrialMeanDiameter {
public:
    Form114() : TrialMeanDiameter(kForm114) {}
};

// n' from E, D, d and the working angle; computed and picked once, so a value the user
// chooses stays.
const TrialActiveCoils::Design kForm115{.className = "Form115",
                                        .designStep = "Form112",
                                        .source = "Combo1",
                                        .formula = ":/pictures/wizards/formula_torsion_coils.svg",
                                        .hint = "该值可手动输入",
                                        .shown = {{1562, &wizard::State::torsYoungsModulus},
                                                  {1332, &wizard::State::torsMeanDia},
                                                  {1815, &wizard::State::torsWireDia},
                                                  {2043, &wizard::State::torsWorkingAngle}},
                                        .trialActiveCoils = &wizard::State::torsTrialActiveCoils,
                                        .trial = [](const wizard::State& s) {
                                            return torsiondesign::trialActiveCoils(
                                                s.torsYoungsModulus, s.torsWireDia, s.torsWorkingAngle,
                                                s.torsMeanDia, s.torsWorkingTorque);
                                        }};

class Form115 : public TrialActiveCoils {
public:
    Form115() : TrialActiveCoils(kForm115) {}
};

} // namespace

SPIRELTA_REGISTER_FORM(Form112)
SPIRELTA_REGISTER_FORM(Form113)
SPIRELTA_REGISTER_FORM(Form114)
SPIRELTA_REGISTER_FORM(Form115)
