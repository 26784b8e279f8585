// The torsion calculation without its window: the worked examples as the window shows them.

#include "CoreResults.h"

#include "calc/normal/TorsionCalc.h"
#include "support/WindowCases.h"

#include <optional>

namespace {

using torsion::Inputs;
using torsion::Results;

// Piano wire (E 21000), d 2, D 16, n 5, first angle 90, legs 20 and 20.
Inputs pianoWireSpring() {
    Inputs in;
    in.e = 21000;
    in.d = 2;
    in.meanDiameter = 16;
    in.coils = 5;
    in.angle1 = 90;
    in.leg1 = 20;
    in.leg2 = 20;
    return in;
}

Inputs withAngles(Inputs in, std::optional<float> angle2, std::optional<double> angle3) {
    in.hasAngle2 = angle2.has_value();
    in.angle2 = angle2.value_or(0);
    in.angle3 = angle3;
    return in;
}

Inputs withArm(Inputs in, double arm) {
    in.arm = arm;
    return in;
}

using Example = CoreExample<Inputs, Results>;

const Example kExamples[] = {
    {"ThreeAnglesArmFromFirstLeg",
     withAngles(pianoWireSpring(), 180, 270),
     {{&Results::index, "0.00", "8.00"},
      {&Results::curvature, "0.00", "1.11"},
      {&Results::rate, "0.000", "1.088"},
      {&Results::load1, "0.000", "4.894"},
      {&Results::load1N, "0.000", "47.961"},
      {&Results::torque1, "0.000", "97.889"},
      {&Results::torque1N, "0.000", "959.312"},
      {&Results::bodyLength, "0.00", "13.00"},
      {&Results::load2, "0.000", "9.789"},
      {&Results::load2N, "0.000", "95.932"},
      {&Results::torque2, "0.000", "195.779"},
      {&Results::torque2N, "0.000", "1918.634"},
      {&Results::innerDiameter, "0.00", "12.30"},
      {&Results::load3, "0.000", "14.683"},
      {&Results::load3N, "0.000", "143.897"},
      {&Results::torque3, "0.000", "293.668"},
      {&Results::torque3N, "0.000", "2877.946"},
      {&Results::lastAngle, "", "270"}}},
    {"Arm10DoublesEveryLoad",
     withArm(withAngles(pianoWireSpring(), 180, 270), 10),
     {{&Results::load1, "0.000", "9.789"},
      {&Results::load1N, "0.000", "95.932"},
      {&Results::torque1, "0.000", "97.889"},
      {&Results::load2, "0.000", "19.578"},
      {&Results::load2N, "0.000", "191.864"},
      {&Results::torque2, "0.000", "195.779"},
      {&Results::load3, "0.000", "29.367"},
      {&Results::load3N, "0.000", "287.795"},
      {&Results::torque3, "0.000", "293.668"}}},
    {"ThirdAngleWithoutSecond",
     withAngles(pianoWireSpring(), std::nullopt, 270),
     {{&Results::bodyLength, "0.00", "12.00"},
      {&Results::load3, "0.000", "14.683"},
      {&Results::torque3, "0.000", "293.668"},
      {&Results::load2, "0.000", ""},
      {&Results::innerDiameter, "0.00", ""},
      {&Results::lastAngle, "", "270"}}},
    {"FirstAngleOnly",
     pianoWireSpring(),
     {{&Results::load1, "0.000", "4.894"},
      {&Results::torque1, "0.000", "97.889"},
      {&Results::bodyLength, "0.00", "12.00"},
      {&Results::load2, "0.000", ""},
      {&Results::torque2N, "0.000", ""},
      {&Results::load3, "0.000", ""},
      {&Results::torque3N, "0.000", ""},
      {&Results::lastAngle, "", "90"}}},
    {"NoModulusGivesNoRate",
     changed(withAngles(pianoWireSpring(), std::nullopt, 270), &Inputs::e, 0),
     {{&Results::index, "0.00", "8.00"},
      {&Results::rate, "0.000", "0.000"},
      {&Results::load1, "0.000", "0.000"},
      {&Results::torque1, "0.000", "0.000"},
      {&Results::load3, "0.000", "0.000"},
      {&Results::load3N, "0.000", "0.000"}}},
};

class TorsionExample : public ::testing::TestWithParam<Example> {};

TEST_P(TorsionExample, ShowsTheKnownFigures) {
    expectExample(GetParam(), &torsion::compute);
}

INSTANTIATE_TEST_SUITE_P(Torsion, TorsionExample, ::testing::ValuesIn(kExamples), caseName<Example>);

// A fault stops the calculation: what came before it stays, nothing after it is filled.
const Example kFaults[] = {
    {"ZeroWireDiameter",
     changed(pianoWireSpring(), &Inputs::d, 0),
     {{&Results::lastAngle, "", "90"}, {&Results::index, "0.00", ""}}},
    {"WireAsThickAsMeanDiameter",
     changed(pianoWireSpring(), &Inputs::d, 16),
     {{&Results::index, "0.00", "1.00"}, {&Results::curvature, "0.00", ""}}},
    {"ZeroArm",
     withArm(pianoWireSpring(), 0),
     {{&Results::rate, "0.000", "1.088"}, {&Results::load1, "0.000", ""}}},
    {"ZeroCoilsWithSecondAngle",
     changed(changed(withAngles(pianoWireSpring(), 180, std::nullopt), &Inputs::coils, 0), &Inputs::angle1,
             45),
     {{&Results::rate, "0.000", "21.594"},
      {&Results::load1, "0.000", "48.586"},
      {&Results::load2, "0.000", "194.344"},
      {&Results::bodyLength, "0.00", "3.00"},
      {&Results::innerDiameter, "0.00", ""},
      {&Results::lastAngle, "", "180"}}},
};

class TorsionFault : public ::testing::TestWithParam<Example> {};

TEST_P(TorsionFault, KeepsWhatCameBefore) {
    expectFault(GetParam(), &torsion::compute);
}

INSTANTIATE_TEST_SUITE_P(Torsion, TorsionFault, ::testing::ValuesIn(kFaults), caseName<Example>);

// The drawing sheet's values from the fields as typed: the worked example (rate shown as
// 1.088) and the same spring with d 2.5.
TEST(TorsionSheet, ValuesFromTheFieldsAsTyped) {
    struct Row {
        const char* name;
        double d, meanDiameter, coils, shownRate;
        const char *outer, *inner, *bodyLength, *rateN;
    };
    const Row kRows[] = {
        {"Example", 2, 16, 5, 1.088, "18", "14", "12", "10.6624"},
        {"ThickerWire", 2.5, 16, 5, 1.088, "18.5", "13.5", "15", "10.6624"},
    };
    for (const Row& r : kRows) {
        const torsion::SheetValues v = torsion::sheetValues(r.d, r.meanDiameter, r.coils, r.shownRate);
        EXPECT_EQ(num::text(v.diameters.outer), QString::fromLatin1(r.outer)) << r.name;
        EXPECT_EQ(num::text(v.diameters.inner), QString::fromLatin1(r.inner)) << r.name;
        EXPECT_EQ(num::text(v.bodyLength), QString::fromLatin1(r.bodyLength)) << r.name;
        EXPECT_EQ(num::text(v.rateN), QString::fromLatin1(r.rateN)) << r.name;
    }
    EXPECT_THROW(torsion::sheetValues(1e308, 1e308, 5, 1), num::CalcFault);
}

} // namespace
