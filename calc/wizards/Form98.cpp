// Form98: step 5 of the compression wizard, the check. Every tick recomputes the design of
// steps 1 to 4 from the shared variables: deflections and test load, the two deformation
// ratios, stability by the fixing of the ends, resonance against the typed forced frequency
// and the fatigue verdict. Confirm appends sections five and six and the footer; no verdict
// blocks it.

#include "calc/wizards/CompressionCheckCore.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/WizardStep.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using compressioncheck::Fixing;
using wizardreport::kCrLf;

const QString kOk = QStringLiteral("ok");
const QString kFailed = QStringLiteral("×");

QString pass(bool ok) {
    return ok ? kOk : kFailed;
}

class Form98 : public WizardStep {
public:
    Form98() : WizardStep(QStringLiteral("Form98"), QStringLiteral("Form90"), 5) {
        setWindowTitle(StringTable::text(2001));
        const QString newton = QStringLiteral("N");

        auto* frame1 = ui::makeFrame(this, QStringLiteral("Frame1"), 2014);
        ui::grid(frame1, wizardsteps::deflectionRows());
        auto* frame2 = ui::makeFrame(this, QStringLiteral("Frame2"), 2009);
        ui::grid(
            frame2,
            {
                {ui::label("Label1_9", 2012), ui::combo("Combo1"), ui::gap()},
                {ui::label("Label1_11", 2010), ui::result("Text1_11"), ui::gap()},
                {ui::label("Label1_10", 2011), ui::result("Text1_10"), ui::literal("Unit_Text1_10", newton)},
                {ui::label("Label1_8", 2013), ui::result("Text1_9"), ui::literal("Unit_Text1_9", newton)},
                {ui::colored(ui::literal("Label3", {}, 3), "blue")},
            });
        auto* frame3 = ui::makeFrame(this, QStringLiteral("Frame3"), 2006);
        const QString hz = QStringLiteral("Hz");
        ui::grid(frame3,
                 {
                     {ui::label("Label1_14", 2008), ui::result("Text1_13"), ui::literal("Unit_Text1_13", hz)},
                     {ui::label("Label1_15", 2007), ui::edit("Text1_14", QStringLiteral("25")),
                      ui::literal("Unit_Text1_14", hz)},
                     {ui::colored(ui::literal("Label4", {}, 3), "blue")},
                 });
        auto* frame4 = ui::makeFrame(this, QStringLiteral("Frame4"), 2002);
        ui::grid(frame4, wizardsteps::stressRows());

        for (int i = 0; i <= 13; ++i) {
            QLineEdit* box = field(QStringLiteral("Text1_%1").arg(i));
            box->setReadOnly(true);
            box->setStyleSheet(QStringLiteral("background-color: #E0E0E0;"));
        }
        field(QStringLiteral("Text1_14"))->setStyleSheet(QStringLiteral("color: red;"));
        const QString verdictFont = StringTable::text(1353);
        for (const char* name : {"Label2_4", "Label2_5", "Label3", "Label4", "Label5"}) {
            QLabel* verdict = label(QString::fromLatin1(name));
            QFont font = verdict->font();
            font.setFamily(verdictFont);
            font.setPointSize(12);
            verdict->setFont(font);
        }
        QComboBox* fixing = comboBox(QStringLiteral("Combo1"));
        for (int id : {1401, 1402, 1403, 2336})
            fixing->addItem(StringTable::text(id));
        fixing->setCurrentIndex(0);

        auto* grid = new QGridLayout(this);
        grid->addWidget(frame1, 0, 0);
        grid->addWidget(frame2, 0, 1);
        grid->addWidget(frame3, 1, 0);
        grid->addWidget(frame4, 1, 1);
        grid->addLayout(makeConfirmCancel(), 2, 0, 1, 2);
        startTicking([this] { recompute(); });
    }

private:
    std::optional<Fixing> chosenFixing() const {
        const QString chosen = text(QStringLiteral("Combo1"));
        const std::pair<int, Fixing> kOrder[] = {{1401, Fixing::BothFixed},
                                                 {1403, Fixing::BothPivoted},
                                                 {1402, Fixing::OneFixedOnePivoted},
                                                 {2336, Fixing::GuideRod}};
        for (const auto& [id, fixing] : kOrder)
            if (chosen == StringTable::text(id))
                return fixing;
        return std::nullopt;
    }

    void recompute() {
        wizard::State& s = wizard::state;
        compressioncheck::Inputs in{s.compInstalledLoad,  s.compInstalledHeight,
                                    s.compWorkingLoad,    s.compLoadClass == QStringLiteral("III"),
                                    s.compAllowableShear, s.inactiveEndCoils,
                                    s.compWireDia,        s.compMeanDia,
                                    s.compActiveCoils,    s.compActualRate,
                                    s.compWahlFactor,     s.compTensileStrength,
                                    chosenFixing(),       std::nullopt};
        if (const std::optional<double> nr = num::strict(text(QStringLiteral("Text1_14"))))
            in.forcedFrequency = num::single(*nr);
        const compressioncheck::Results r = compressioncheck::compute(in);

        s.compInstalledDeflection = r.installedDeflection;
        s.compFreeHeight = r.freeHeight;
        s.compPitch = r.pitch;
        s.compSlendernessRatio = r.slenderness;
        s.compTestLoad = r.testLoad;
        s.compTestDeflection = r.testDeflection;
        s.compWorkingDeflection = r.workingDeflection;
        s.compNaturalFrequency = r.naturalFrequency;
        s.compMinShearStress = r.minShearStress;
        s.compMaxShearStress = r.maxShearStress;
        minRatio_ = r.minRatio;
        maxRatio_ = r.maxRatio;
        stressRatio_ = r.stressRatio;
        strengthRatio_ = r.strengthRatio;

        setSingle(QStringLiteral("Text1_0"), r.installedDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_11"), r.slenderness, u"0.0");
        setText(QStringLiteral("Text1_10"), num::textSingle(s.compWorkingLoad));
        setSingle(QStringLiteral("Text1_3"), r.testLoad, u"0.00");
        setSingle(QStringLiteral("Text1_2"), r.testDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_4"), r.minRatio, u"0.00");
        setSingle(QStringLiteral("Text1_1"), r.workingDeflection, u"0.00");
        setSingle(QStringLiteral("Text1_5"), r.maxRatio, u"0.00");
        setText(QStringLiteral("Label2_4"), pass(r.minRatioOk));
        setText(QStringLiteral("Label2_5"), pass(r.maxRatioOk));
        if (r.stability) {
            if (r.stability->computed) {
                s.compCriticalLoad = r.stability->criticalLoad;
                setText(QStringLiteral("Text1_9"), num::textSingle(r.stability->criticalLoad));
            } else {
                setText(QStringLiteral("Text1_9"), StringTable::text(2339));
            }
            setText(QStringLiteral("Label3"),
                    r.stability->verdictId ? StringTable::text(r.stability->verdictId) : kOk);
        }
        setSingle(QStringLiteral("Text1_13"), r.naturalFrequency, u"0.00");
        if (in.forcedFrequency) {
            s.compForcedFrequency = *in.forcedFrequency;
            setText(QStringLiteral("Label4"), StringTable::text(*r.resonanceOk ? 2334 : 2335));
        }
        setSingle(QStringLiteral("Text1_6"), r.minShearStress, u"0.00");
        setSingle(QStringLiteral("Text1_7"), r.maxShearStress, u"0.00");
        setSingle(QStringLiteral("Text1_8"), r.stressRatio, u"0.00");
        setSingle(QStringLiteral("Text1_12"), r.strengthRatio, u"0.0");
        setText(QStringLiteral("Label5"), StringTable::text(r.fatigueOk ? 2332 : 2333));
    }

    QString confirmedReport() override {
        const wizard::State& s = wizard::state;
        using wizardreport::fixed;
        using wizardreport::line;
        using wizardreport::single;
        const QString mm = QStringLiteral(" (mm)");
        const QString newton = QStringLiteral(" (N)");
        const QString mpa = QStringLiteral(" (Mpa)");
        const QString hz = QStringLiteral(" (Hz)");

        // The values that Confirm computes itself come first, so that a fault leaves the
        // report strings and the hub untouched.
        const double safety =
            compressioncheck::safetyFactor(s.compMinShearStress, s.compTensileStrength, s.compMaxShearStress);
        const compressioncheck::ReportValues sizes = compressioncheck::reportValues(
            {s.compFreeHeight, s.compWorkingDeflection, s.compTestDeflection, s.compActiveCoils,
             s.inactiveEndCoils, s.compWireDia, s.compMeanDia, s.compTotalCoils});
        const double helix = compressioncheck::helixAngleDegrees(
            s.compFreeHeight, s.inactiveEndCoils, s.compWireDia, s.compActiveCoils, s.compMeanDia);

        QString r = wizardreport::section(s.compReport4, 2342);
        r += line(2343, single(s.compRequiredRate), QStringLiteral(" (N/mm)"));
        r += line(2344, fixed(s.compActualRate, "0.0"), QStringLiteral(" (N/mm)"));
        r += line(2345, fixed(s.compRateError, "0.00"), QStringLiteral(" (%)"));
        r += line(2346, single(s.compInstalledDeflection), mm);
        r += line(2347, single(s.compInstalledLoad), newton);
        r += line(2348, fixed(s.compWorkingDeflection, "0.00"), mm);
        r += line(2349, single(s.compWorkingLoad), newton);
        r += line(2350, fixed(s.compTestDeflection, "0.00"), mm);
        r += line(2351, fixed(minRatio_, "0.00"));
        r += line(2352, text(QStringLiteral("Label2_4")));
        r += line(2353, fixed(maxRatio_, "0.00"));
        r += line(2354, text(QStringLiteral("Label2_5")));
        r += line(2355, fixed(s.compMinShearStress, "0.00"), mpa);
        r += line(2356, fixed(s.compMaxShearStress, "0.00"), mpa);
        r += line(2357, fixed(stressRatio_, "0.00"));
        r += line(2358, fixed(strengthRatio_, "0.00"));
        r += line(2359, text(QStringLiteral("Label5")));
        r += line(2360, text(QStringLiteral("Label3")));
        r += line(2361, num::format(safety, u"0.00"));
        r += line(2362, single(s.compForcedFrequency), hz);
        r += line(2363, single(s.compNaturalFrequency), hz);
        r += line(2364, text(QStringLiteral("Label4"))) + kCrLf;
        r += line(2365, {}) + kCrLf;
        r += line(2366, fixed(s.compFreeHeight, "0.00"), mm);
        r += line(2367, single(s.compInstalledHeight), mm);
        r += line(2368, fixed(sizes.workingHeight, "0.00"), mm);
        r += line(2369, single(sizes.groundSolidHeight) + u'(' + StringTable::text(1381) +
                            QStringLiteral(")/") + num::text(sizes.notGroundSolidHeight) + u'(' +
                            StringTable::text(1382) + QStringLiteral(") (mm)"));
        r += line(2370, fixed(sizes.testHeight, "0.00"), mm);
        r += line(2371, fixed(s.compPitch, "0.00"), mm);
        r += line(2372, num::format(helix, u"0.0"), StringTable::text(2374));
        r += line(2373, num::format(sizes.wireLength, u"0.00"), mm);
        r += line(2376, num::format(sizes.mass, u"0.00"), StringTable::text(2375)) + kCrLf + kCrLf;
        r += wizardreport::footer();
        wizard::state.compReport5 = r;
        return r;
    }

    float minRatio_ = 0;
    float maxRatio_ = 0;
    float stressRatio_ = 0;
    float strengthRatio_ = 0;
};

} // namespace

SPIRELTA_REGISTER_FORM(Form98)
