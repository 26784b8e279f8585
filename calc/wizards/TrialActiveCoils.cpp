#include "calc/wizards/TrialActiveCoils.h"

#include "calc/wizards/SeriesPick.h"
#include "common/Numbers.h"

#include <QComboBox>
#include <array>

namespace {

using wizardsteps::BoxRow;

std::array<BoxRow, 5> rows(const TrialActiveCoils::Design& d) {
    return {{
        {"Label1_0", d.shown[0].captionId, "Text1_0", "", nullptr, 0, "", true},
        {"Label1_1", d.shown[1].captionId, "Text1_1", "", nullptr, 0, "", true},
        {"Label1_2", d.shown[2].captionId, "Text1_2", "", nullptr, 0, "", true},
        {"Label1_3", d.shown[3].captionId, "Text1_3", "", nullptr, 0, "", true},
        {"Label1_4", 1999, "Text1_4", "", nullptr, 0, "", true},
    }};
}

} // namespace

TrialActiveCoils::TrialActiveCoils(const Design& design)
    : SubCalculator(QString::fromLatin1(design.className), 1996, 1997, rows(design),
                    {QString::fromLatin1(design.source), QString::fromLatin1(design.designStep),
                     QStringLiteral("Text2_2")}),
      design_(design) {
    QComboBox* combo = addSeries(2000, series::activeCoilSeries(), QString::fromLatin1(design.formula));
    combo->setToolTip(QString::fromUtf8(design.hint));
    runGuarded([this] { compute(); });
}

void TrialActiveCoils::compute() {
    wizard::State& s = wizard::state;
    for (int i = 0; i < 4; ++i) {
        const Shown& shown = design_.shown[i];
        setSingle(QStringLiteral("Text1_%1").arg(i), s.*shown.value, QString::fromLatin1(shown.pattern));
    }
    s.*design_.trialActiveCoils = design_.trial(s);
    setSingle(QStringLiteral("Text1_4"), s.*design_.trialActiveCoils, u"0.00");
    series::pickNearest(comboBox(QStringLiteral("Combo1")), text(QStringLiteral("Text1_4")));
}

QString TrialActiveCoils::proposal() const {
    if (!design_.wholeCoils)
        return SubCalculator::proposal();
    const std::optional<double> coils = num::strict(text(QStringLiteral("Text1_4")));
    return coils ? num::text(num::roundHalfEven(*coils, 0)) : QString();
}
