// The calculation of Form22. Each step writes its results as soon as it has them, so an
// arithmetic fault (num::CalcFault, shown as text 1035 by the window runtime) leaves what the
// earlier steps wrote. Where a later step needs a force or torque, it reads the box back, so
// it works with the value as shown.

#include "calc/expert/Form22.h"
#include "calc/expert/TorsionExpert.h"
#include "common/CheckedMath.h"
#include "common/FatigueLife.h"
#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringFormulas.h"
#include "common/StringTable.h"

using namespace torsionexpert;

namespace {

// Single-precision stores, as the calculator always made them.
using num::single;

} // namespace

void Form22::calculate() {
    if (requireFilled({{QStringLiteral("Text1_0"), 1562},
                       {QStringLiteral("Text1_1"), 1333},
                       {QStringLiteral("Text1_2"), 1332},
                       {QStringLiteral("Text1_3"), 1373},
                       {QStringLiteral("Text1_4"), 1496},
                       {QStringLiteral("Text1_5"), 1497},
                       {QStringLiteral("Text1_7"), 1494},
                       {QStringLiteral("Text1_8"), 1495},
                       {QStringLiteral("Text1_10"), 1561}}))
        run();
    // Every way out but an arithmetic fault leaves print and Save As usable.
    setEnabled({QStringLiteral("Command6"), QStringLiteral("Command1")}, true);
}

void Form22::run() {
    auto input = [this](int index) { return single(number(QStringLiteral("Text1_%1").arg(index))); };
    Run r;
    r.E = fixedPointModulus(number(QStringLiteral("Text1_0")));
    r.d = input(1);
    r.D = input(2);
    r.n = input(3);
    r.a1 = input(4);
    r.a2 = input(5);
    r.L1 = input(7);
    r.L2 = input(8);
    r.freeAngle = input(10);
    r.angleTolerance = input(11);
    // Without a force arm of its own the force acts at the end of leg 1.
    r.arm = isEmpty(QStringLiteral("Text1_9")) ? r.L1 : input(9);

    r.k = rate(r.E, r.d, r.D, r.n, r.L1, r.L2);
    setSingle(QStringLiteral("Text3"), r.k, u"0.00");
    firstAngle(r);
    section(r);
    setSingle(QStringLiteral("Text21"), bodyLength(r.freeAngle, r.n, r.a2, r.d), u"0.00");

    if (isEmpty(QStringLiteral("Text1_12")) || isEmpty(QStringLiteral("Text1_13")))
        return;
    r.tensileStrength = input(12);
    r.coefficient = input(13);
    r.allowable = single(double(r.tensileStrength) * r.coefficient);
    setSingle(QStringLiteral("Text25"), r.allowable);

    const double torque1 = num::strictOrFault(text(QStringLiteral("Text12")));
    r.sigmaMin = single(bendingStress(torque1, r.K, r.d));
    setSingle(QStringLiteral("Text6"), r.sigmaMin, u"0");
    setSingle(QStringLiteral("Text30"), single(num::div(r.sigmaMin, r.tensileStrength)), u"0.00");

    secondAngle(r);
    if (isEmpty(QStringLiteral("Text1_6")))
        return;
    thirdAngle(r);
}

void Form22::firstAngle(Run& r) {
    setSingle(QStringLiteral("Text13"), single(num::div(double(r.k) * r.a1, r.arm)), u"0.00");
    setNumber(QStringLiteral("Text10"), num::strictOrFault(text(QStringLiteral("Text13"))) / 9.8, u"0.000");
    setSingle(QStringLiteral("Text12"), single(double(r.k) * r.a1), u"0.00");
    setSingle(QStringLiteral("Text9"), single(num::div(r.angleTolerance, r.a1)), u"0%");
}

void Form22::section(Run& r) {
    const float C = single(num::div(r.D, r.d));
    setSingle(QStringLiteral("Text4"), C, u"0.0");
    r.K = single(springs::curvatureFactor(C));
    setSingle(QStringLiteral("Text7"), r.K, u"0.00");
    const double d3 = double(r.d) * r.d * r.d;
    setNumber(QStringLiteral("Text8"), 3.14159 * d3 * r.d / 64, u"0.000");
    setNumber(QStringLiteral("Text15"), 3.14159 * d3 / 32, u"0.000");
    setText(QStringLiteral("Label52"), springchecks::verdictText(4.0f <= C && C <= 10.0f));
}

void Form22::secondAngle(const Run& r) {
    setSingle(QStringLiteral("Text2"), single(num::div(double(r.k) * r.a2, r.arm)), u"0.00");
    setNumber(QStringLiteral("Text5"), num::strictOrFault(text(QStringLiteral("Text2"))) / 9.8, u"0.000");
    setSingle(QStringLiteral("Text19"), single(double(r.k) * r.a2), u"0.00");
    setSingle(QStringLiteral("Text20"), single(num::div(r.angleTolerance, r.a2)), u"0%");
    setSingle(QStringLiteral("Text22"), innerDiameter(r.D, r.d, r.a2, r.freeAngle, r.n), u"0.00");

    const double torque2 = num::strictOrFault(text(QStringLiteral("Text19")));
    const float sigmaMax = single(bendingStress(torque2, r.K, r.d));
    setSingle(QStringLiteral("Text23"), sigmaMax, u"0");
    stressResults(r, sigmaMax, Stress::Single);
    testCharacteristic(r, r.a2);
}

void Form22::thirdAngle(const Run& r) {
    const float a3 = single(number(QStringLiteral("Text1_6")));
    const double force3 = num::div(double(r.k) * a3, r.arm);
    setSingle(QStringLiteral("Text17"), single(force3), u"0.000");
    // In kgf from the unrounded force, unlike the two rows above.
    setNumber(QStringLiteral("Text18"), force3 / 9.8, u"0.000");
    setSingle(QStringLiteral("Text27"), single(double(r.k) * a3), u"0.000");
    setSingle(QStringLiteral("Text11"), single(num::div(r.angleTolerance, a3)), u"0%");
    setSingle(QStringLiteral("Text22"), innerDiameter(r.D, r.d, a3, r.freeAngle, r.n), u"0.00");

    const double torque3 = num::strictOrFault(text(QStringLiteral("Text27")));
    const double sigmaMax = bendingStress(torque3, r.K, r.d);
    setNumber(QStringLiteral("Text23"), sigmaMax, u"0.00");
    stressResults(r, sigmaMax, Stress::Double);
    testCharacteristic(r, a3);
}

void Form22::stressResults(const Run& r, double sigmaMax, Stress precision) {
    setSingle(QStringLiteral("Text31"), single(num::div(sigmaMax, r.tensileStrength)), u"0.00");
    setSingle(QStringLiteral("Text24"), single(num::div(r.allowable, sigmaMax)), u"0.00");
    setSingle(QStringLiteral("Text26"), single(num::div(r.sigmaMin, sigmaMax)), u"0.0");
    // From a2 both sides are single-precision values; from a3 the stress stays in double.
    const bool belowAllowable =
        precision == Stress::Single ? single(sigmaMax) < r.allowable : sigmaMax < double(r.allowable);
    setText(QStringLiteral("Label56"), springchecks::verdictText(belowAllowable));
    const fatigue::Life life = fatigue::torsion(sigmaMax, r.tensileStrength,
                                                precision == Stress::Single ? fatigue::Precision::Single
                                                                            : fatigue::Precision::Double);
    setText(QStringLiteral("Text32"), life.text());
}

void Form22::testCharacteristic(const Run& r, float angle) {
    const float torque = testTorque(r.coefficient, r.tensileStrength, r.d);
    setSingle(QStringLiteral("Text28"), torque, u"0.00");
    const float testAngleDegrees = testAngle(torque, r.L1, r.L2, r.D, r.n, r.E, r.d);
    setSingle(QStringLiteral("Text29"), testAngleDegrees, u"0.0");
    const float ratio = single(num::div(angle, testAngleDegrees));
    setSingle(QStringLiteral("Text16"), ratio, u"0.00");
    setText(QStringLiteral("Label4"), springchecks::verdictText(springchecks::deformationRatioOk(ratio)));
}
