// The calculation of Form21. Each step writes its results as soon as it has them, so an
// arithmetic fault (num::CalcFault, shown as text 1035 by the window runtime) leaves what the
// earlier steps wrote. Precision follows the calculator as it always was: inputs and most
// results in single precision, the rate and the maximum deflection as four-decimal fixed point,
// and a few values (solid height, natural and forced frequency, helix angle) taken back from
// their shortest text before they are used.

#include "calc/expert/Form21.h"
#include "common/CheckedMath.h"
#include "common/EndForms.h"
#include "common/FatigueLife.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/StringTable.h"
#include "common/ui/Prompt.h"

using namespace springchecks;

namespace {

constexpr double kPi = 3.1416;     // developed length and test load
constexpr double kStressPi = 3.14; // the shear stresses have always used 3.14
constexpr double kLimitLoadFactor = 0.8;
constexpr double kTestStressMargin = 0.05;

// Single-precision stores, as the calculator always made them.
using num::single;

// A value held as its shortest text and read back from it, as the calculator always did.
double throughText(double value) {
    return num::strictOrFault(num::text(value));
}

} // namespace

void Form21::calculate() {
    Run run;
    if (!readInputs(run))
        return;
    geometry(run);
    installedHeight(run);
    workingHeight2(run);
    workingHeight3(run);
    setEnabled({QStringLiteral("Command5"), QStringLiteral("Command6"), QStringLiteral("Command7")}, true);
}

bool Form21::readInputs(Run& run) {
    if (!requireFilled({{QStringLiteral("Text1_0"), 1394},
                        {QStringLiteral("Text1_1"), 1333},
                        {QStringLiteral("Text1_2"), 1332},
                        {QStringLiteral("Text1_3"), 1373},
                        {QStringLiteral("Text1_4"), 1331},
                        {QStringLiteral("Text1_5"), 1369},
                        {QStringLiteral("Text1_6"), 1372},
                        {QStringLiteral("Text1_7"), 1370}}))
        return false;
    // Without a known end form there is no solid height, and every later step needs it.
    run.endForm = endforms::find(text(QStringLiteral("Text3")));
    if (!run.endForm) {
        prompt::inform(this, StringTable::text(1383) + StringTable::text(1367));
        return false;
    }
    auto readSingle = [this](const char* name) { return single(number(QString::fromLatin1(name))); };
    run.G = readSingle("Text1_0");
    run.d = readSingle("Text1_1");
    run.D = readSingle("Text1_2");
    run.n = readSingle("Text1_3");
    run.n1 = number(QStringLiteral("Text1_4"));
    run.H0 = readSingle("Text1_5");
    run.h1 = readSingle("Text1_6");
    run.h2 = readSingle("Text1_7");
    run.tolerance = number(QStringLiteral("Text1_11"));
    run.strengthGiven = !isEmpty(QStringLiteral("Text1_9")) && !isEmpty(QStringLiteral("Text1_10"));
    return true;
}

void Form21::geometry(Run& run) {
    setNumber(QStringLiteral("Text13"), run.n1 * (double(run.D) * kPi), u"0.0");
    run.f1 = single(double(run.H0) - run.h1);

    run.solidHeight = throughText(endforms::solidHeight(*run.endForm, run.n1, run.d));
    run.solidHeightSingle = single(run.solidHeight);
    setNumber(QStringLiteral("Text14"), run.solidHeight, u"0.0");

    run.maxDeflection = num::fixed4(double(run.H0) - run.solidHeight);
    setNumber(QStringLiteral("Text16"), run.maxDeflection, u"0.0");

    const float pitch = single(num::div(run.maxDeflection, run.n) + run.d);
    setSingle(QStringLiteral("Text23"), pitch, u"0.0");
    setText(QStringLiteral("Label46"), verdictText(pitchRatioOk(pitch, run.D)));

    const double angle = throughText(helixAngle(pitch, run.D));
    setNumber(QStringLiteral("Text4"), angle, u"0.0");
    setText(QStringLiteral("Label27"), verdictText(helixAngleOk(angle)));
}

bool Form21::belowSolidHeight(const Run& run, float height) {
    if (!(run.solidHeightSingle > height))
        return false;
    prompt::inform(this, StringTable::text(2471));
    return true;
}

void Form21::requireRate(const Run& run) const {
    // Heights typed out of order (the installed height below the solid height, a working
    // height above it) leave no rate, index or Wahl factor for this height.
    if (!run.rate)
        throw num::CalcFault("working height without a rate");
}

float Form21::load(const Run& run, float deflection) const {
    const double numerator = num::pow(run.d, 4) * (double(run.G) * deflection);
    return single(num::div(num::div(numerator / 8.0, run.n), num::pow(run.D, 3)));
}

float Form21::shearStress(const Run& run, float load, Cube cube) const {
    const double numerator = double(run.wahl) * 8.0 * run.D * load / kStressPi;
    if (cube == Cube::DividedOnce)
        return single(num::div(numerator, num::pow(run.d, 3)));
    return single(num::div(num::div(num::div(numerator, run.d), run.d), run.d));
}

void Form21::installedHeight(Run& run) {
    if (belowSolidHeight(run, run.h1))
        return;
    const double rate =
        num::fixed4(num::div(num::div(num::div(num::pow(run.d, 4) * run.G, num::pow(run.D, 3)), run.n), 8.0));
    run.rate = rate;
    setNumber(QStringLiteral("Text8"), rate, u"0.00");

    const float f1Load = single(rate * run.f1);
    setSingle(QStringLiteral("Text6"), f1Load, u"0.00");
    setNumber(QStringLiteral("Text7"), num::div(run.tolerance, run.f1), u"0%");

    run.solidLoad = single(num::fixed4(rate * run.maxDeflection));
    setSingle(QStringLiteral("Text10"), run.solidLoad, u"0.00");

    const double natural = throughText(naturalFrequency(run.d, run.D, run.n));
    setNumber(QStringLiteral("text28"), natural, u"0");
    const double forced = throughText(kForcedFrequency);
    setNumber(QStringLiteral("Text29"), forced, u"0.0");
    setText(QStringLiteral("Label72"), verdictText(resonanceOk(natural, forced)));

    const float index = single(num::div(run.D, run.d));
    setSingle(QStringLiteral("Text5"), index, u"0.0");
    if (const std::optional<bool> indexOk = springIndexOk(run.d, index))
        setText(QStringLiteral("Label28"), verdictText(*indexOk));

    setSingle(QStringLiteral("Text22"), run.n);
    setText(QStringLiteral("Label44"), verdictText(run.n >= 3.0f));

    run.wahl = wahlFactorSingle(index);
    run.tau1 = shearStress(run, f1Load, Cube::DividedThreeTimes);
    setSingle(QStringLiteral("Text17"), run.tau1, u"0.00");
}

void Form21::workingHeight2(Run& run) {
    if (belowSolidHeight(run, run.h2))
        return;
    requireRate(run);
    const float f2 = single(double(run.H0) - run.h2);
    const float f2Load = load(run, f2);
    setSingle(QStringLiteral("Text11"), f2Load, u"0.0");
    setNumber(QStringLiteral("Text27"), f2Load / kLimitLoadFactor, u"0.00");
    setNumber(QStringLiteral("Text12"), num::div(run.tolerance, f2), u"0%");

    const float tau2 = shearStress(run, f2Load, Cube::DividedOnce);
    setSingle(QStringLiteral("Text18"), tau2, u"0.00");
    setNumber(QStringLiteral("Text15"), num::div(run.tau1, tau2), u"0.00");

    const float ratio = single(num::div(run.f1, double(run.H0) - run.solidHeight));
    setSingle(QStringLiteral("Text25"), ratio, u"0.00");
    setText(QStringLiteral("Label50"), verdictText(deformationRatioOk(ratio)));

    const float b = single(num::div(run.H0, run.D));
    setSingle(QStringLiteral("Text21"), b, u"0.0");
    slenderness(b);

    if (run.strengthGiven)
        strength(run, tau2, f2);
}

void Form21::workingHeight3(Run& run) {
    if (isEmpty(QStringLiteral("Text1_8")))
        return;
    const float h3 = single(number(QStringLiteral("Text1_8")));
    if (belowSolidHeight(run, h3))
        return;
    requireRate(run);
    const float f3 = single(double(run.H0) - h3);
    const float f3Load = load(run, f3);
    setSingle(QStringLiteral("Text9"), f3Load, u"0.00");
    setNumber(QStringLiteral("Text24"), num::div(run.tolerance, f3), u"0%");
    setNumber(QStringLiteral("Text27"), f3Load / kLimitLoadFactor, u"0.00");

    const float ratio = single(num::div(double(run.H0) - h3, double(run.H0) - run.solidHeight));
    setSingle(QStringLiteral("Text25"), ratio, u"0.00");
    setText(QStringLiteral("Label50"), verdictText(deformationRatioOk(ratio)));

    const float tau3 = shearStress(run, f3Load, Cube::DividedThreeTimes);
    setSingle(QStringLiteral("Text18"), tau3, u"0.00");
    setNumber(QStringLiteral("Text15"), num::div(run.tau1, tau3), u"0.00");

    if (run.strengthGiven)
        strength(run, tau3, f3);
}

void Form21::slenderness(float b) {
    // Only the first limit that b exceeds is marked; the other labels keep what they showed.
    const SlendernessVerdicts passed = slendernessLimits(b);
    if (!passed.bothFixed) {
        setText(QStringLiteral("Label40"), StringTable::text(slendernessTextId(EndFixing::BothFixed, false)));
    } else if (!passed.oneFixedOnePivoted) {
        setText(QStringLiteral("Label48"),
                StringTable::text(slendernessTextId(EndFixing::OneFixedOnePivoted, false)));
    } else if (!passed.bothPivoted) {
        setText(QStringLiteral("Label62"),
                StringTable::text(slendernessTextId(EndFixing::BothPivoted, false)));
    } else {
        setText(QStringLiteral("Label40"), StringTable::text(slendernessTextId(EndFixing::BothFixed, true)));
        setText(QStringLiteral("Label48"),
                StringTable::text(slendernessTextId(EndFixing::OneFixedOnePivoted, true)));
        setText(QStringLiteral("Label62"),
                StringTable::text(slendernessTextId(EndFixing::BothPivoted, true)));
    }
}

void Form21::strength(const Run& run, float tauMax, float lastDeflection) {
    const float tensileStrength = single(number(QStringLiteral("Text1_9")));
    const float coefficient = single(number(QStringLiteral("Text1_10")));

    const float allowable = single(double(tensileStrength) * coefficient);
    setSingle(QStringLiteral("Text19"), allowable);

    // The safety factor uses the stress as shown, rounded to two decimals.
    const float safety = single(num::div(allowable, number(QStringLiteral("Text18"))));
    setSingle(QStringLiteral("Text20"), safety, u"0.00");
    setText(QStringLiteral("Label80"), verdictText(safety > 1.0f));

    const float testStress = single((double(coefficient) + kTestStressMargin) * tensileStrength);
    const double testLoad = num::div(num::pow(run.d, 3) * kPi * testStress / 8.0, run.D);
    const float testDeflection = single(num::div(testLoad, *run.rate));
    if (testDeflection < run.maxDeflection) {
        setNumber(QStringLiteral("Text31"), testLoad, u"0.00");
        setSingle(QStringLiteral("Text32"), testDeflection, u"0.0");
    } else { // the spring goes solid before it reaches the test load
        setSingle(QStringLiteral("Text31"), run.solidLoad, u"0.00");
        setNumber(QStringLiteral("Text32"), run.maxDeflection, u"0.0");
    }
    setText(QStringLiteral("Label79"),
            verdictText(deformationPairOk(run.f1, lastDeflection, testDeflection)));

    setText(QStringLiteral("Text26"), fatigue::compression(tauMax, tensileStrength).text());
}
