// Form116: step 5 of the torsion wizard, the check. Every tick computes the torques of the
// design at the installed and working angles, the test torque and angle, the bending stresses
// and the fatigue verdict, and the coil body's dimensions for section six of the report.

#include "calc/wizards/StepLayout.h"
#include "calc/wizards/TorsionCores.h"
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

namespace {

using wizardreport::kCrLf;

class Form116 : public WizardStep {
public:
    Form116() : WizardStep(QStringLiteral("Form116"), QStringLiteral("Form108"), 5) {
        setWindowTitle(StringTable::text(2001));
        const QString nmm = QStringLiteral("N.mm");
        const QString mpa = QStringLiteral("Mpa");
        auto* frame1 = ui::makeFrame(this, QStringLiteral("Frame1"), 2014);
        ui::grid(frame1,
                 {
                     {ui::label("Label1_0", 2045), ui::result("Text1_0"), ui::literal("Label2_0", nmm)},
                     {ui::label("Label1_1", 2044), ui::result("Text1_1"), ui::literal("Label2_1", nmm)},
                 });
        auto* frame3 = ui::makeFrame(this, QStringLiteral("Frame3"), 2046);
        ui::grid(frame3,
                 {
                     {ui::label("Label1_15", 2049), ui::result("Text1_14"), ui::literal("Label2_12", mpa)},
                     {ui::label("Label1_14", 2048), ui::result("Text1_13"), ui::literal("Label2_11", nmm)},
                     {ui::label("Label1_2", 2047), ui::result("Text1_2"), ui::label("Label2_2", 2028)},
                 });
        auto* frame4 = ui::makeFrame(this, QStringLiteral("Frame4"), 2002);
        ui::grid(
            frame4,
            {
                {ui::label("Label1_6", 2005), ui::result("Text1_6"), ui::literal("Label2_6", mpa)},
                {ui::label("Label1_7", 2004), ui::result("Text1_7"), ui::literal("Label2_7", mpa)},
                {ui::label("Label1_12", 2003), ui::result("Text1_8"), ui::gap()},
                {ui::literal("Label1_13", QStringLiteral("zmax/6b:")), ui::result("Text1_12"), ui::gap()},
                {ui::colored(ui::literal("Label5", QStringLiteral("Label5"), 3), "blue")},
            });
        auto* grid = new QGridLayout(this);
        grid->addWidget(frame1, 0, 0);
        grid->addWidget(frame3, 0, 1);
        grid->addWidget(frame4, 1, 0, 1, 2);
        grid->addLayout(makeConfirmCancel(), 2, 0, 1, 2);
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        wizard::State& s = wizard::state;
        const torsioncheck::Results r = torsioncheck::compute(
            {s.torsActualRate, s.torsInstalledAngle, s.torsWorkingAngle, s.torsWireDia, s.torsMeanDia,
             s.torsActiveCoils, s.torsAllowableBending, s.torsTensileStrength});
        s.torsDesignInstalledTorque = r.installedTorque;
        s.torsDesignWorkingTorque = r.workingTorque;
        s.torsTestTorque = r.testTorque;
        s.torsTestAngle = r.testAngle;
        s.torsMinStress = r.minStress;
        s.torsMaxStress = r.maxStress;
        s.torsStressRatio = r.stressRatio;
        s.torsStressToStrengthRatio = r.strengthRatio;
        body_ = r;
        setSingle(QStringLiteral("Text1_0"), r.installedTorque, u"0.000");
        setSingle(QStringLiteral("Text1_1"), r.workingTorque, u"0.000");
        setSingle(QStringLiteral("Text1_14"), s.torsAllowableBending, u"0.000");
        setSingle(QStringLiteral("Text1_13"), r.testTorque, u"0.000");
        setSingle(QStringLiteral("Text1_2"), r.testAngle, u"0.000");
        setSingle(QStringLiteral("Text1_6"), r.minStress, u"0.000");
        setSingle(QStringLiteral("Text1_7"), r.maxStress, u"0.000");
        setSingle(QStringLiteral("Text1_8"), r.stressRatio, u"0.000");
        setSingle(QStringLiteral("Text1_12"), r.strengthRatio, u"0.000");
        wizardsteps::showFatigueVerdict(this, r.fatigueOk);
    }

    QString confirmedReport() override {
        const wizard::State& s = wizard::state;
        using wizardreport::fixed;
        using wizardreport::line;
        using wizardreport::single;
        const QString nmm = QStringLiteral(" (N.mm)");
        const QString mpa = QStringLiteral(" (Mpa)");
        const QString mm = QStringLiteral(" (mm)");
        QString r = wizardreport::section(s.torsReport4, 2342);
        r += line(2388, single(s.torsDesignInstalledTorque), nmm);
        r += line(2389, single(s.torsDesignWorkingTorque), nmm);
        r += line(2390, single(s.torsAllowableBending), mpa);
        r += line(2391, single(s.torsTestTorque), nmm);
        r += line(2392, single(s.torsTestAngle), StringTable::text(2028));
        r += line(2355, single(s.torsMinStress), mpa);
        r += line(2356, single(s.torsMaxStress), mpa);
        r += line(2357, fixed(s.torsStressRatio, "0.00"));
        r += line(2358, fixed(s.torsStressToStrengthRatio, "0.00"));
        r += line(2359, text(QStringLiteral("Label5"))) + kCrLf;
        r += line(2365, {}) + kCrLf;
        r += line(2366, fixed(body_.bodyFreeLength, "0.0"), StringTable::text(2395) + mm);
        r += line(2393, fixed(body_.diameterDecrease, "0.0"), mm);
        r += line(2394, fixed(body_.guideRodDiameter, "0.0"), mm);
        r += line(2373, fixed(body_.bodyLength, "0.00"), StringTable::text(2396) + mm) + kCrLf + kCrLf;
        r += wizardreport::footer();
        wizard::state.torsReport5 = r;
        return r;
    }

    // The coil body's values of the last tick; 0 until the first.
    torsioncheck::Results body_;
};

} // namespace

SPIRELTA_REGISTER_FORM(Form116)
