// Step 1 of the three design wizards: the design requirements. While the user types, the
// window derives the required rate (and the test load or the installed and working angles)
// and the load class, and stores inputs and results in the wizard's shared variables, which
// the later steps read. Confirm starts the wizard's report.
//
// Form91 (compression), Form100 (extension) and Form109 (torsion) share one frame: the
// requirement rows in Frame1, the load-cycle and load-class rows in Frame2.

#include "calc/wizards/RequirementCore.h"
#include "calc/wizards/StepLayout.h"
#include "calc/wizards/WizardReport.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/WizardStep.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace {

using wizardreport::line;
using wizardsteps::BoxRow;
using wizardsteps::readSingle;

class RequirementStep : public WizardStep {
public:
    RequirementStep(const QString& className, const QString& hubClass, int frameCaptionId,
                    std::span<const BoxRow> requirements, std::span<const BoxRow> loading)
        : WizardStep(className, hubClass, 1) {
        setWindowTitle(StringTable::text(1366));
        auto* frame1 = ui::makeFrame(this, QStringLiteral("Frame1"), frameCaptionId);
        ui::grid(frame1, wizardsteps::boxRows(requirements));
        auto* frame2 = ui::makeFrame(this, QStringLiteral("Frame2"), 1958);
        ui::grid(frame2, wizardsteps::boxRows(loading));
        wizardsteps::tintOutputs(this, requirements);
        wizardsteps::tintOutputs(this, loading);

        auto* page = new QVBoxLayout(this);
        page->addWidget(frame1);
        page->addWidget(frame2);
        page->addLayout(makeConfirmCancel());
        declare(wizardsteps::boxNames(requirements) + wizardsteps::boxNames(loading));
    }

protected:
    // The texts of the typed boxes, or false when one of them is empty (then nothing changes).
    bool allFilled(std::initializer_list<const char*> boxes) const {
        for (const char* box : boxes)
            if (isEmpty(QString::fromLatin1(box)))
                return false;
        return true;
    }
    float read(const char* box) const { return readSingle(this, QString::fromLatin1(box)); }
    QString shown(const char* box) const { return text(QString::fromLatin1(box)); }

    void showClass(QString& classVariable, float cycles) {
        classVariable = requirements::loadClass(cycles);
        setText(QStringLiteral("Text2_1"), classVariable);
    }
};

// --- Form91: compression -----------------------------------------------------------------------

const BoxRow kForm91Requirements[] = {
    {"Label1_0", 1967, "Text1_0", "200", "Label2_0", 0, "N"},
    {"Label1_1", 1966, "Text1_1", "56", "Label2_1", 0, "mm"},
    {"Label1_2", 1965, "Text1_2", "420", "Label2_2", 0, "N"},
    {"Label1_3", 1964, "Text1_3", "10", "Label2_3", 0, "mm"},
    {"Label1_4", 1963, "Text1_4", "", "Label2_4", 0, "N/mm", true},
};
const BoxRow kForm91Loading[] = {
    {"Label3_0", 1961, "Text2_0", "10000", "Label2_5", 1960},
    {"Label3_1", 1959, "Text2_1", "", "Label2_6", 2311, "", true},
};

class Form91 : public RequirementStep {
public:
    Form91()
        : RequirementStep(QStringLiteral("Form91"), QStringLiteral("Form90"), 1962, kForm91Requirements,
                          kForm91Loading) {
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        if (!allFilled({"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text2_0"}))
            return;
        wizard::State& s = wizard::state;
        s.compInstalledLoad = read("Text1_0");
        s.compInstalledHeight = read("Text1_1");
        s.compWorkingLoad = read("Text1_2");
        s.compStroke = read("Text1_3");
        s.compLoadCycles = read("Text2_0");
        s.compRequiredRate = requirements::requiredRate(s.compInstalledLoad, s.compWorkingLoad, s.compStroke);
        setSingle(QStringLiteral("Text1_4"), s.compRequiredRate, u"0.00");
        showClass(s.compLoadClass, s.compLoadCycles);
    }

    QString confirmedReport() override {
        QString r = wizardreport::start(2302, 2310);
        r += line(2303, shown("Text1_0"), QStringLiteral(" (N)"));
        r += line(2304, shown("Text1_1"), QStringLiteral(" (mm)"));
        r += line(2305, shown("Text1_2"), QStringLiteral(" (N)"));
        r += line(2306, shown("Text1_3"), QStringLiteral(" (mm)"));
        r += line(2307, shown("Text1_4"), QStringLiteral(" (N/mm)"));
        r += line(2308, shown("Text2_0"), StringTable::text(2312));
        r += line(2309, shown("Text2_1"));
        wizard::state.compReport1 = r;
        return r;
    }
};

// --- Form100: extension ------------------------------------------------------------------------

// The rate box Text1_3 stands in the fourth row with the caption Label1_4, the test-load box
// Text1_4 in the fifth with Label1_3.
const BoxRow kForm100Requirements[] = {
    {"Label1_0", 1967, "Text1_0", "210", "Label2_0", 0, "N"},
    {"Label1_1", 1965, "Text1_1", "500", "Label2_1", 0, "N"},
    {"Label1_2", 1964, "Text1_2", "30", "Label2_2", 0, "mm"},
    {"Label1_4", 1362, "Text1_3", "10", "Label2_4", 0, "N/mm", true},
    {"Label1_3", 2015, "Text1_4", "", "Label2_3", 0, "N", true},
};
const BoxRow kForm100Loading[] = {
    {"Label3_0", 1961, "Text2_0", "10000", "Label2_5", 2312},
    {"Label3_1", 1959, "Text2_1", "Ⅱ", "Label2_6", 2311, "", true},
};

class Form100 : public RequirementStep {
public:
    Form100()
        : RequirementStep(QStringLiteral("Form100"), QStringLiteral("Form99"), 2027, kForm100Requirements,
                          kForm100Loading) {
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        if (!allFilled({"Text1_0", "Text1_1", "Text1_2", "Text2_0"}))
            return;
        wizard::State& s = wizard::state;
        s.extInstalledLoad = read("Text1_0");
        s.extWorkingLoad = read("Text1_1");
        s.extStroke = read("Text1_2");
        s.extLoadCycles = read("Text2_0");
        s.extRequiredRate = requirements::requiredRate(s.extInstalledLoad, s.extWorkingLoad, s.extStroke);
        setSingle(QStringLiteral("Text1_3"), s.extRequiredRate, u"0.00");
        s.extRequiredTestLoad = requirements::extensionTestLoad(s.extWorkingLoad);
        setSingle(QStringLiteral("Text1_4"), s.extRequiredTestLoad, u"0.00");
        showClass(s.extLoadClass, s.extLoadCycles);
    }

    QString confirmedReport() override {
        QString r = wizardreport::start(2377, 2310);
        r += line(2303, shown("Text1_0"), QStringLiteral(" (N)"));
        r += line(2305, shown("Text1_1"), QStringLiteral(" (N)"));
        r += line(2306, shown("Text1_2"), QStringLiteral(" (mm)"));
        r += line(2307, shown("Text1_3"), QStringLiteral(" (N/mm)"));
        r += line(2378, shown("Text1_4"), QStringLiteral(" (N)"));
        r += line(2308, shown("Text2_0"), StringTable::text(2312));
        r += line(2309, shown("Text2_1"));
        wizard::state.extReport1 = r;
        return r;
    }
};

// --- Form109: torsion --------------------------------------------------------------------------

const BoxRow kForm109Requirements[] = {
    {"Label1_0", 2031, "Text1_0", "1000", "Label2_0", 0, "N.mm"},
    {"Label1_1", 2032, "Text1_1", "3000", "Label2_1", 0, "N.mm"},
    {"Label1_2", 2033, "Text1_2", "50", "Label2_2", 2028},
    {"Label1_3", 2034, "Text1_3", "120", "Label2_3", 2028},
    {"Label1_4", 1963, "Text1_4", "", "Label2_4", 2035, "", true},
    {"Label1_5", 2030, "Text1_5", "", "Label2_6", 2028, "", true},
    {"Label1_6", 2029, "Text1_6", "", "Label2_7", 2028, "", true},
};
const BoxRow kForm109Loading[] = {
    {"Label3_0", 1961, "Text2_0", "100", "Label2_5", 1960},
    {"Label3_1", 1959, "Text2_1", "", "Label2_8", 2311, "", true},
};

class Form109 : public RequirementStep {
public:
    Form109()
        : RequirementStep(QStringLiteral("Form109"), QStringLiteral("Form108"), 2027, kForm109Requirements,
                          kForm109Loading) {
        startTicking([this] { recompute(); });
    }

private:
    void recompute() {
        if (!allFilled({"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text2_0"}))
            return;
        wizard::State& s = wizard::state;
        s.torsInstalledTorque = read("Text1_0");
        s.torsWorkingTorque = read("Text1_1");
        s.torsDeflectionAngle = read("Text1_2");
        s.torsFreeAngle = read("Text1_3");
        s.torsLoadCycles = read("Text2_0");
        s.torsRequiredRate =
            requirements::requiredRate(s.torsInstalledTorque, s.torsWorkingTorque, s.torsDeflectionAngle);
        setSingle(QStringLiteral("Text1_4"), s.torsRequiredRate, u"0.0");
        // The angles follow from the stored rate, not from its rounded text.
        s.torsInstalledAngle = requirements::angleForTorque(s.torsInstalledTorque, s.torsRequiredRate);
        setSingle(QStringLiteral("Text1_5"), s.torsInstalledAngle, u"0.0");
        s.torsWorkingAngle = requirements::angleForTorque(s.torsWorkingTorque, s.torsRequiredRate);
        setSingle(QStringLiteral("Text1_6"), s.torsWorkingAngle, u"0.0");
        showClass(s.torsLoadClass, s.torsLoadCycles);
    }

    QString confirmedReport() override {
        const QString indent = QStringLiteral("    ");
        const QString degree = StringTable::text(2028);
        QString r = wizardreport::start(2385, 2310);
        r += line(2386, shown("Text1_0"), QStringLiteral(" (N.mm)"));
        r += line(2387, shown("Text1_1"), QStringLiteral(" (N.mm)"));
        r += indent + line(2033, shown("Text1_2"), degree);
        r += indent + line(2034, shown("Text1_3"), degree);
        r += line(2343, shown("Text1_4"), StringTable::text(2035));
        r += indent + line(2030, shown("Text1_5"), degree);
        r += indent + line(2029, shown("Text1_6"), degree);
        r += line(2308, shown("Text2_0"), StringTable::text(2312));
        r += line(2309, shown("Text2_1"));
        wizard::state.torsReport1 = r;
        return r;
    }
};

} // namespace

SPIRELTA_REGISTER_FORM(Form91)
SPIRELTA_REGISTER_FORM(Form100)
SPIRELTA_REGISTER_FORM(Form109)
