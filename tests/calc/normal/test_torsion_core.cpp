// The torsion calculation without its window: the worked examples as the window shows them.

#include "calc/normal/TorsionCalc.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "support/WindowCases.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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

Inputs withAngles(Inputs in, std::optional<float> angle2, std::optional<float> angle3) {
    in.hasAngle2 = angle2.has_value();
    in.angle2 = angle2.value_or(0);
    in.hasAngle3 = angle3.has_value();
    in.angle3 = angle3.value_or(0);
    return in;
}

Inputs withArm(Inputs in, float arm) {
    in.hasArm = true;
    in.arm = arm;
    return in;
}

// A result as its box shows it; "" when the calculation did not reach it.
std::string shown(const std::optional<double>& value, const char* pattern) {
    if (!value)
        return "";
    return (*pattern ? num::format(*value, QString::fromLatin1(pattern))
                     : num::textSingle(num::single(*value)))
        .toStdString();
}

struct Expected {
    std::optional<double> Results::*member;
    const char* pattern;
    const char* text;
};

struct Example {
    const char* name; // the test's name
    Inputs in;
    std::vector<Expected> expected;
};

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
     [] {
         Inputs in = withAngles(pianoWireSpring(), std::nullopt, 270);
         in.e = 0;
         return in;
     }(),
     {{&Results::index, "0.00", "8.00"},
      {&Results::rate, "0.000", "0.000"},
      {&Results::load1, "0.000", "0.000"},
      {&Results::torque1, "0.000", "0.000"},
      {&Results::load3, "0.000", "0.000"},
      {&Results::load3N, "0.000", "0.000"}}},
};

class TorsionExample : public ::testing::TestWithParam<Example> {};

TEST_P(TorsionExample, ShowsTheKnownFigures) {
    Results r;
    torsion::compute(GetParam().in, r);
    for (const Expected& e : GetParam().expected)
        EXPECT_EQ(shown(r.*e.member, e.pattern), e.text) << e.text;
}

INSTANTIATE_TEST_SUITE_P(Torsion, TorsionExample, ::testing::ValuesIn(kExamples), caseName<Example>);

// A fault stops the calculation: what came before it stays, nothing after it is filled.
struct Fault {
    const char* name;
    Inputs in;
    std::optional<double> Results::*lastReached; // nullptr: none
    std::optional<double> Results::*firstMissing;
};

const Fault kFaults[] = {
    {"ZeroWireDiameter",
     [] {
         Inputs in = pianoWireSpring();
         in.d = 0;
         return in;
     }(),
     &Results::lastAngle, &Results::index},
    {"WireAsThickAsMeanDiameter",
     [] {
         Inputs in = pianoWireSpring();
         in.d = 16;
         return in;
     }(),
     &Results::index, &Results::curvature},
    {"ZeroArm", withArm(pianoWireSpring(), 0), &Results::rate, &Results::load1},
    {"ZeroCoilsWithSecondAngle",
     [] {
         Inputs in = withAngles(pianoWireSpring(), 180, std::nullopt);
         in.coils = 0;
         in.angle1 = 45;
         return in;
     }(),
     &Results::torque2N, &Results::innerDiameter},
};

class TorsionFault : public ::testing::TestWithParam<Fault> {};

TEST_P(TorsionFault, KeepsWhatCameBefore) {
    Results r;
    EXPECT_THROW(torsion::compute(GetParam().in, r), num::CalcFault);
    EXPECT_TRUE((r.*GetParam().lastReached).has_value());
    EXPECT_FALSE((r.*GetParam().firstMissing).has_value());
}

INSTANTIATE_TEST_SUITE_P(Torsion, TorsionFault, ::testing::ValuesIn(kFaults), caseName<Fault>);

TEST(TorsionCore, ZeroCoilsWithSecondAngleKeepsItsLoadsAndAngle) {
    Inputs in = withAngles(pianoWireSpring(), 180, std::nullopt);
    in.coils = 0;
    in.angle1 = 45;
    Results r;
    EXPECT_THROW(torsion::compute(in, r), num::CalcFault);
    EXPECT_EQ(shown(r.rate, "0.000"), "21.594");
    EXPECT_EQ(shown(r.load1, "0.000"), "48.586");
    EXPECT_EQ(shown(r.load2, "0.000"), "194.344");
    EXPECT_EQ(shown(r.bodyLength, "0.00"), "3.00");
    EXPECT_EQ(shown(r.lastAngle, ""), "180");
}

} // namespace
