#include "calc/wizards/TrialWireDiameter.h"

#include "calc/wizards/CompressionDesignCore.h"
#include "calc/wizards/SeriesPick.h"
#include "common/Numbers.h"
#include "common/ui/WizardStep.h"

#include <QComboBox>
#include <QTimer>
#include <array>

namespace {

using wizardsteps::BoxRow;

std::array<BoxRow, 5> rows(const char* defaultIndex) {
    return {{
        {"Label1_0", 1419, "Text1_0", defaultIndex},
        {"Label1_1", 1994, "Text1_1", "", nullptr, 0, "", true},
        {"Label1_2", 1993, "Text1_2", "", nullptr, 0, "", true},
        {"Label1_3", 1418, "Text1_3", "", nullptr, 0, "", true},
        {"Label1_4", 1992, "Text1_4", "", nullptr, 0, "", true},
    }};
}

} // namespace

TrialWireDiameter::TrialWireDiameter(const Design& design)
    : SubCalculator(
          QString::fromLatin1(design.className), 1989, 1990, rows(design.defaultIndex),
          {QStringLiteral("Combo1"), QString::fromLatin1(design.designStep), QStringLiteral("Text2_0")}),
      design_(design) {
    addSeries(1991, series::standardWireDiameters(),
              QStringLiteral(":/pictures/wizards/formula_trial_wire.svg"));
    setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.*design.springIndex));
    addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
}

void TrialWireDiameter::recompute() {
    if (isEmpty(QStringLiteral("Text1_0")))
        return;
    wizard::State& s = wizard::state;
    const Design& d = design_;
    s.*d.trialSpringIndex = wizardsteps::readSingle(this, QStringLiteral("Text1_0"));
    setText(QStringLiteral("Text1_1"), num::textSingle(s.*d.workingLoad));
    setText(QStringLiteral("Text1_2"), num::textSingle(s.*d.allowableShear));
    const std::optional<QString> factor = d.shownFactor(s);
    if (!factor)
        return;
    setText(QStringLiteral("Text1_3"), *factor);
    s.*d.trialWireDia = compressiondesign::trialWireDiameter(s.*d.wahlFactor, s.*d.trialSpringIndex,
                                                             s.*d.workingLoad, s.*d.allowableShear);
    setSingle(QStringLiteral("Text1_4"), s.*d.trialWireDia, u"0.00");
    series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
}
