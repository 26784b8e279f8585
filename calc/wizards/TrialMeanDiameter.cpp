#include "calc/wizards/TrialMeanDiameter.h"

#include "common/Numbers.h"
#include "common/ui/WizardStep.h"

#include <QTimer>
#include <array>

namespace {

using wizardsteps::BoxRow;

std::array<BoxRow, 3> rows(const char* defaultIndex) {
    return {{
        {"Label1_0", 1419, "Text1_0", defaultIndex},
        {"Label1_1", 1815, "Text1_1", "", nullptr, 0, "", true},
        {"Label1_2", 1332, "Text1_2", "", nullptr, 0, "", true},
    }};
}

} // namespace

TrialMeanDiameter::TrialMeanDiameter(const Design& design)
    : SubCalculator(
          QString::fromLatin1(design.className), 1995, 0, rows(design.defaultIndex),
          {QStringLiteral("Text1_2"), QString::fromLatin1(design.designStep), QStringLiteral("Text2_1")}),
      design_(design) {
    setText(QStringLiteral("Text1_0"), num::textSingle(wizard::state.*design.springIndex));
    addTimer(QStringLiteral("Timer1"), WizardStep::kTickMs, [this] { recompute(); })->start();
}

void TrialMeanDiameter::recompute() {
    if (isEmpty(QStringLiteral("Text1_0")))
        return;
    const float index = wizardsteps::readSingle(this, QStringLiteral("Text1_0")); // kept by this window only
    wizard::State& s = wizard::state;
    setText(QStringLiteral("Text1_1"), num::textSingle(s.*design_.wireDia));
    s.*design_.trialMeanDia = design_.trialMeanDiameter(s.*design_.wireDia, index);
    setText(QStringLiteral("Text1_2"), num::textSingle(s.*design_.trialMeanDia));
}
