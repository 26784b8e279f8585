// Form107: step 5 of the extension wizard, the check. Every tick recomputes the initial
// tension, the deflections beyond it, the test load, the deformation ratios, the shear stresses
// with the fatigue verdict, the actual stroke and the lengths by end type. Confirm is offered
// only while the installed load is not below the initial tension; otherwise a warning sends the
// user back to step 1.

#include "calc/wizards/ExtensionCores.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/WizardStep.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using wizardreport::kCrLf;

// The warning is the same in every language.
const char* const kBelowInitialTension =
    "安装变形量f1小于零，说明第一步设计参数中输入的安装载荷小于初拉力，需要返回第一步重新输入！";

class Form107 : public WizardStep {
public:
    Form107() : WizardStep(QStringLiteral("Form107"), QStringLiteral("Form99"), 5) {
        setWindowTitle(StringTable::text(2001));
        const QString mm = QStringLiteral("mm");
        const QString newton = QStringLiteral("N");
        auto* frame1 = ui::makeFrame(this, QStringLiteral("Frame1"), 2014);
        ui::grid(frame1, wizardsteps::deflectionRows());
        auto* frame3 = ui::makeFrame(this, QStringLiteral("Frame3"), 0);
        ui::grid(
            frame3,
            {
                {ui::label("Label1_15", 2025), ui::result("Text1_14"), ui::literal("Unit_Text1_14", newton)},
                {ui::label("Label1_14", 2024), ui::result("Text1_13"), ui::literal("Unit_Text1_13", mm)},
            });
        auto* frame4 = ui::makeFrame(this, QStringLiteral("Frame4"), 2002);
        ui::grid(frame4, wizardsteps::stressRows());
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 14}) {
            QLineEdit* box = field(QStringLiteral("Text1_%1").arg(i));
            box->setReadOnly(true);
            box->setStyleSheet(i == 0 ? QStringLiteral("background-color: #E0E0E0; color: red;")
                                      : QStringLiteral("background-color: #E0E0E0;"));
        }
        for (const char* name : {"Label2_4", "Label2_5", "Label5"}) {
            QLabel* verdict = label(QString::fromLatin1(name));
            QFont font = verdict->font();
            font.setPointSize(12);
            verdict->setFont(font);
        }
        QLabel* warning =
            ui::makeLiteral(this, QStringLiteral("Label6"), QString::fromUtf8(kBelowInitialTension));
        warning->setStyleSheet(QStringLiteral("color: red;"));
        warning->setWordWrap(true);
        warning->hide();

        auto* grid = new QGridLayout(this);
        grid->addWidget(frame1, 0, 0);
        grid->addWidget(frame3, 0, 1);
        grid->addWidget(frame4, 1, 0, 1, 2);
        grid->addWidget(warning, 2, 0, 1, 2);
        grid->addLayout(makeConfirmCancel(), 3, 0, 1, 2);
        button(QStringLiteral("Command1"))->setEnabled(false);
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        wizard::State& s = wizard::state;
        const extensioncheck::Results r = extensioncheck::compute(
            {s.extInstalledLoad, s.extWorkingLoad, s.extStroke, s.extShearModulus, s.extTensileStrength,
             s.extEndType, s.extWireDia, s.extMeanDia, s.extActiveCoils, s.extActualRate, s.extWahlFactor});
        s.extTestLoad = r.testLoad;
        s.extInitialTension = r.initialTension;
        s.extInstalledDeflection = r.installedDeflection;
        s.extWorkingDeflection = r.workingDeflection;
        s.extTestDeflection = r.testDeflection;
        s.extMinShearStress = r.minShearStress;
        s.extMaxShearStress = r.maxShearStress;
        s.extShearStressRatio = r.stressRatio;
        s.extStressToStrength = r.strengthRatio;
        s.extActualStroke = r.actualStroke;
        s.extFreeLength = r.freeLength;
        last_ = r;

        setSingle(QStringLiteral("Text1_3"), r.testLoad, u"0.00");
        setSingle(QStringLiteral("Text1_14"), r.initialTension, u"0.00");
        setSingle(QStringLiteral("Text1_0"), r.installedDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_1"), r.workingDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_2"), r.testDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_4"), r.minRatio, u"0.00");
        setSingle(QStringLiteral("Text1_5"), r.maxRatio, u"0.00");
        setText(QStringLiteral("Label2_4"), r.minRatioOk ? QStringLiteral("ok") : QStringLiteral("x"));
        setText(QStringLiteral("Label2_5"), r.maxRatioOk ? QStringLiteral("ok") : QStringLiteral("x"));
        setSingle(QStringLiteral("Text1_6"), r.minShearStress, u"0.00");
        setSingle(QStringLiteral("Text1_7"), r.maxShearStress, u"0.00");
        setSingle(QStringLiteral("Text1_8"), r.stressRatio, u"0.00");
        setSingle(QStringLiteral("Text1_12"), r.strengthRatio, u"0.0");
        wizardsteps::showFatigueVerdict(this, r.fatigueOk);
        setSingle(QStringLiteral("Text1_13"), r.actualStroke, u"0.0");

        // Confirm follows the installed deflection as shown: offered while it reads 0 or more
        // ("-0.00" included), withdrawn with the warning while it is below zero.
        const bool installable = num::strictOrFault(text(QStringLiteral("Text1_0"))) >= 0.0;
        button(QStringLiteral("Command1"))->setEnabled(installable);
        label(QStringLiteral("Label6"))->setVisible(!installable);
    }

    QString confirmedReport() override {
        const wizard::State& s = wizard::state;
        using wizardreport::fixed;
        using wizardreport::line;
        const QString mm = QStringLiteral(" (mm)");
        const QString lengthNote = mm + StringTable::text(2380);
        const QString mpa = QStringLiteral(" (Mpa)");

        const extensioncheck::ReportValues sizes =
            extensioncheck::reportValues(last_.pitch, s.extWireDia, s.extMeanDia, s.extActiveCoils);

        QString r = wizardreport::section(s.extReport4, 2342);
        r += line(2306, num::textSingle(s.extStroke), mm);
        r += line(2382, fixed(last_.actualStroke, "0.0"), mm);
        r += line(2383, fixed(last_.strokeError, "0.00"), QStringLiteral(" (%)"));
        r += line(2343, fixed(s.extRequiredRate, "0.00"), QStringLiteral(" (N/mm)"));
        r += line(2344, fixed(s.extActualRate, "0.00"), QStringLiteral(" (N/mm)"));
        r += line(2345, fixed(s.extRateError, "0.00"), QStringLiteral(" (%)"));
        r += line(2384, fixed(last_.initialTension, "0.00"), QStringLiteral(" (N)"));
        r += line(2346, fixed(last_.installedDeflection, "0.00"), mm);
        r += line(2348, fixed(last_.workingDeflection, "0.00"), mm);
        r += line(2350, fixed(last_.testDeflection, "0.00"), mm);
        r += line(2351, fixed(last_.minRatio, "0.00"));
        r += line(2352, text(QStringLiteral("Label2_4")));
        r += line(2353, fixed(last_.maxRatio, "0.00"));
        r += line(2354, text(QStringLiteral("Label2_5")));
        r += line(2355, fixed(last_.minShearStress, "0.00"), mpa);
        r += line(2356, fixed(last_.maxShearStress, "0.00"), mpa);
        r += line(2357, fixed(last_.stressRatio, "0.00"));
        r += line(2358, fixed(last_.strengthRatio, "0.00"));
        r += line(2359, text(QStringLiteral("Label5"))) + kCrLf;
        r += line(2365, {}) + kCrLf;
        r += line(2366, fixed(last_.freeLength, "0.00"), lengthNote);
        r += line(2367, fixed(last_.installedLength, "0.00"), lengthNote);
        r += line(2368, fixed(last_.workingLength, "0.00"), lengthNote);
        r += line(2370, fixed(last_.testLength, "0.00"), lengthNote);
        r += line(2371, fixed(last_.pitch, "0.00"), mm);
        r += line(2372, num::format(sizes.helixAngle, u"0.0"), StringTable::text(2374));
        r += line(2373, num::format(sizes.wireLength, u"0.00"), mm + StringTable::text(2381));
        r += line(2376, num::format(sizes.mass, u"0.00"), StringTable::text(2375) + StringTable::text(2381)) +
             kCrLf + kCrLf;
        r += wizardreport::footer();
        return r; // the extension wizard keeps its final report in the hub only
    }

    extensioncheck::Results last_;
};

} // namespace

SPIRELTA_REGISTER_FORM(Form107)
