// The calculation of Form23. Each step writes its results as soon as it has them, so an
// arithmetic fault (num::CalcFault, shown as text 1035 by the window runtime) leaves what the
// earlier steps wrote. Every value is a single-precision number; the upper load of a band is
// shown from its double-precision value.

#include "calc/expert/ExtensionExpert.h"
#include "calc/expert/Form23.h"
#include "common/CheckedMath.h"
#include "common/FatigueLife.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/StringTable.h"

using namespace extensionexpert;

namespace {

// Single-precision stores, as the calculator always made them.
using num::single;

constexpr double kPi = 3.1416;
constexpr double kThirdLengthPi = 3.14; // the stress at the third length has always used 3.14

} // namespace

void Form23::calculate() {
    if (!requireFilled({{QStringLiteral("Text1_0"), 1972},
                        {QStringLiteral("Text1_1"), 1333},
                        {QStringLiteral("Text1_2"), 1332},
                        {QStringLiteral("Text1_3"), 1373},
                        {QStringLiteral("Text1_4"), 1369},
                        {QStringLiteral("Text1_5"), 1507},
                        {QStringLiteral("Text1_6"), 1508}}))
        return;
    auto input = [this](int index) { return single(number(QStringLiteral("Text1_%1").arg(index))); };
    Run r;
    r.G = input(0);
    r.d = input(1);
    r.D = input(2);
    r.n = input(3);
    r.H0 = input(4);
    const float f1 = single(double(input(5)) - r.H0);
    const float f2 = single(double(input(6)) - r.H0);
    r.tensileStrength = input(8);
    r.coefficient = input(9);

    r.initialTension = initialTension(r.G, r.d, r.D);
    setSingle(QStringLiteral("Text19"), r.initialTension, u"0.000");
    // The loads in N start from the initial tension as shown, not as computed.
    r.initialTensionN = toNewton(num::strictOrFault(text(QStringLiteral("Text19"))));
    setSingle(QStringLiteral("Text9"), r.initialTensionN, u"0.000");

    r.rate = rate(r.G, r.d, r.D, r.n);
    setSingle(QStringLiteral("Text21"), r.rate, u"0.000");
    r.rateN = toNewton(r.rate);
    setSingle(QStringLiteral("Text10"), r.rateN, u"0.000");

    loadBand(r, f1, QStringLiteral("Text20"), QStringLiteral("Text6"));
    setSingle(QStringLiteral("Text13"), single(num::div(r.H0, r.d)), u"0.0");

    const float C = single(num::div(r.D, r.d));
    setSingle(QStringLiteral("Text3"), C, u"0.0");
    setText(QStringLiteral("Label29"), springchecks::verdictText(!(C < 4.0f) && !(C > 10.0f)));
    r.wahl = springchecks::wahlFactorSingle(C);
    setSingle(QStringLiteral("Text4"), r.wahl, u"0.0000");

    setSingle(QStringLiteral("Text14"), shearStress(loadN(r, f1), r.wahl, r.D, r.d, kPi), u"0");
    loadBand(r, f2, QStringLiteral("Text2"), QStringLiteral("Text7"));
    const float stress2 = shearStress(loadN(r, f2), r.wahl, r.D, r.d, kPi);
    setSingle(QStringLiteral("Text15"), stress2, u"0");

    const bool strengthGiven = !isEmpty(QStringLiteral("Text1_8")) && !isEmpty(QStringLiteral("Text1_9"));
    if (strengthGiven) {
        r.allowable = single(double(r.tensileStrength) * r.coefficient);
        setSingle(QStringLiteral("Text18"), r.allowable);
        checks(r, stress2, QStringLiteral("Text1_6"));
    }

    if (isEmpty(QStringLiteral("Text1_7")))
        return;
    const float f3 = single(double(input(7)) - r.H0);
    loadBand(r, f3, QStringLiteral("Text11"), QStringLiteral("Text8"));
    const float stress3 = shearStress(loadN(r, f3), r.wahl, r.D, r.d, kThirdLengthPi);
    setSingle(QStringLiteral("Text15"), stress3, u"0");
    if (strengthGiven)
        checks(r, stress3, QStringLiteral("Text1_7"));
    setEnabled({QStringLiteral("Command1"), QStringLiteral("Command4"), QStringLiteral("Command7")}, true);
}

void Form23::loadBand(const Run& r, float deflection, const QString& lowBox, const QString& highBox) {
    const double springLoad = double(r.rate) * deflection;
    setSingle(lowBox, single(springLoad + r.initialTension), u"0.000");
    setNumber(highBox, springLoad + double(r.initialTension) * 1.8, u"0.000");
}

float Form23::loadN(const Run& r, float deflection) const {
    return single(double(deflection) * r.rateN + r.initialTensionN);
}

void Form23::checks(const Run& r, float stress, const QString& workingLengthField) {
    setSingle(QStringLiteral("Text5"), single(num::div(r.allowable, stress)), u"0.0");
    setText(QStringLiteral("Label27"), springchecks::verdictText(stress < r.allowable));
    setText(QStringLiteral("Text26"), fatigue::extension(stress, r.tensileStrength).text());

    const float load = testLoad(r.coefficient, r.tensileStrength, r.d, r.D);
    setSingle(QStringLiteral("Text16"), load, u"0.00");
    const float deflection = testDeflection(load, r.initialTension, r.rateN);
    setSingle(QStringLiteral("Text17"), deflection, u"0.0");

    // The lengths are read strictly: a text such as 12/5 stops the calculation here.
    const double workingDeflection =
        num::strictOrFault(text(workingLengthField)) - num::strictOrFault(text(QStringLiteral("Text1_4")));
    const float ratio = single(num::div(workingDeflection, deflection));
    setSingle(QStringLiteral("Text25"), ratio, u"0.000");
    setText(QStringLiteral("Label20"), StringTable::text(2260) +
                                           num::formatSingle(single(double(r.H0) + deflection), u"0.0") +
                                           StringTable::text(2261));
    setText(QStringLiteral("Label50"), springchecks::verdictText(springchecks::deformationRatioOk(ratio)));
}
