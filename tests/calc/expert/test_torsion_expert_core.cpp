// The expert torsion calculation without its window: the worked example with two and three
// angles, the arm and index rules, the stress bound, and faults part way.

#include "calc/expert/CoreResultTexts.h"
#include "calc/expert/TorsionExpert.h"

#include <gtest/gtest.h>

namespace {

using namespace torsionexpert;
using T = ResultTexts<Results>;
using Examples = CoreExamples<Inputs, Results>;
using Case = Examples::Case;

// E 206000, d 2.5, D 20, n 6, a1 35, a2 70, L1 25, L2 30, arm 20, free angle 90 ± 5,
// tensile strength 1700 with coefficient 0.64.
Inputs workedExample() {
    return {.modulus = 206000,
            .d = 2.5f,
            .D = 20,
            .n = 6,
            .a1 = 35,
            .a2 = 70,
            .L1 = 25,
            .L2 = 30,
            .arm = 20,
            .armGiven = true,
            .freeAngle = 90,
            .angleTolerance = 5,
            .tensileStrength = 1700,
            .coefficient = 0.64,
            .strengthGiven = true};
}

void withThirdAngle(Inputs& in) {
    in.a3 = 110;
    in.a3Given = true;
}

QString life(const std::optional<fatigue::Life>& l) {
    return !l ? QStringLiteral("none") : l->pastTable() ? QStringLiteral("past the table") : l->cycles;
}

class TorsionExpertExample : public ::testing::TestWithParam<Case> {};

TEST_P(TorsionExpertExample, GivesTheKnownResults) {
    Examples::check(workedExample(), GetParam(), compute, Examples::Ends::Complete);
}

const Case kExamples[] = {
    {"TwoAngles",
     nullptr,
     {
         {"rate", T::textSingle([](auto& r) { return r.rate; }, u"0.0000"), "17.4388"},
         {"F1", T::textSingle([](auto& r) { return r.force1; }, u"0.00"), "30.52"},
         {"F1 in kgf from the shown force", T::text([](auto& r) { return r.force1Kgf; }, u"0.000"), "3.114"},
         {"T1", T::textSingle([](auto& r) { return r.torque1; }, u"0.00"), "610.36"},
         {"tolerance at a1", T::textSingle([](auto& r) { return r.tolerance1; }, u"0%"), "14%"},
         {"index", T::textSingle([](auto& r) { return r.springIndex; }), "8"},
         {"curvature factor", T::textSingle([](auto& r) { return r.curvatureFactor; }, u"0.00"), "1.11"},
         {"moment of inertia", T::text([](auto& r) { return r.momentOfInertia; }, u"0.000"), "1.917"},
         {"section modulus", T::text([](auto& r) { return r.sectionModulus; }, u"0.000"), "1.534"},
         {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "OK"},
         {"body length", T::textSingle([](auto& r) { return r.bodyLength; }, u"0.00"), "18.61"},
         {"allowable stress", T::textSingle([](auto& r) { return r.allowableStress; }), "1088"},
         {"sigma min", T::textSingle([](auto& r) { return r.sigmaMin; }, u"0"), "441"},
         {"sigma min over strength", T::textSingle([](auto& r) { return r.minStrengthRatio; }, u"0.00"), "0.26"},
         {"F2", T::textSingle([](auto& r) { return r.second.force; }, u"0.00"), "61.04"},
         {"F2 in kgf", T::text([](auto& r) { return r.second.forceKgf; }, u"0.000"), "6.229"},
         {"T2", T::textSingle([](auto& r) { return r.second.torque; }, u"0.00"), "1220.72"},
         {"tolerance at a2", T::textSingle([](auto& r) { return r.second.tolerance; }, u"0%"), "7%"},
         {"inner diameter at a2", T::textSingle([](auto& r) { return r.second.innerDiameter; }, u"0.00"),
          "16.78"},
         {"sigma max as a single", T::textSingle([](auto& r) { return r.second.sigmaMaxSingle; }, u"0"), "881"},
         {"sigma max over strength", T::textSingle([](auto& r) { return r.second.strengthRatio; }, u"0.00"),
          "0.52"},
         {"safety factor", T::textSingle([](auto& r) { return r.second.safetyFactor; }, u"0.00"), "1.23"},
         {"stress ratio", T::textSingle([](auto& r) { return r.second.stressRatio; }, u"0.0"), "0.5"},
         {"below allowable", T::verdict([](auto& r) { return r.second.belowAllowable; }), "OK"},
         {"life", [](const Results& r) { return life(r.second.life); }, "10"},
         {"test torque", T::textSingle([](auto& r) { return r.second.testTorque; }, u"0.00"), "1877.60"},
         {"test angle", T::textSingle([](auto& r) { return r.second.testAngle; }, u"0.0"), "107.7"},
         {"deformation ratio", T::textSingle([](auto& r) { return r.second.deformationRatio; }, u"0.00"), "0.65"},
         {"deformation check", T::verdict([](auto& r) { return r.second.deformationOk; }), "OK"},
         {"no third angle", T::textSingle([](auto& r) { return r.third.force; }), "NaN"},
     }},
    {"ThirdAngleTakesOver",
     withThirdAngle,
     {
         {"F3", T::textSingle([](auto& r) { return r.third.force; }, u"0.000"), "95.913"},
         {"F3 in kgf from the unrounded force", T::text([](auto& r) { return r.third.forceKgf; }, u"0.000"),
          "9.787"},
         {"T3", T::textSingle([](auto& r) { return r.third.torque; }, u"0.000"), "1918.269"},
         {"tolerance at a3", T::textSingle([](auto& r) { return r.third.tolerance; }, u"0%"), "5%"},
         {"inner diameter at a3", T::textSingle([](auto& r) { return r.third.innerDiameter; }, u"0.00"), "16.42"},
         {"sigma max in double", T::text([](auto& r) { return r.third.sigmaMax; }, u"0.00"), "1385.20"},
         {"sigma max over strength", T::textSingle([](auto& r) { return r.third.strengthRatio; }, u"0.00"),
          "0.81"},
         {"safety factor", T::textSingle([](auto& r) { return r.third.safetyFactor; }, u"0.00"), "0.79"},
         {"stress ratio", T::textSingle([](auto& r) { return r.third.stressRatio; }, u"0.0"), "0.3"},
         {"below allowable", T::verdict([](auto& r) { return r.third.belowAllowable; }), "NG"},
         {"life", [](const Results& r) { return life(r.third.life); }, "past the table"},
         {"deformation ratio", T::textSingle([](auto& r) { return r.third.deformationRatio; }, u"0.00"), "1.02"},
         {"deformation check", T::verdict([](auto& r) { return r.third.deformationOk; }), "NG"},
         {"test angle as at a2", T::textSingle([](auto& r) { return r.third.testAngle; }, u"0.0"), "107.7"},
     }},
    {"WithoutStrengthOnlyTheFirstPart",
     [](Inputs& in) { in.strengthGiven = false; },
     {{"body length", T::textSingle([](auto& r) { return r.bodyLength; }, u"0.00"), "18.61"},
      {"no sigma min", T::textSingle([](auto& r) { return r.sigmaMin; }), "NaN"},
      {"no second angle", T::textSingle([](auto& r) { return r.second.force; }), "NaN"}}},
    // 17.4388 * 35 / 25
    {"WithoutArmTheForcesActAtTheFirstLeg",
     [](Inputs& in) { in.armGiven = false; },
     {{"F1", T::textSingle([](auto& r) { return r.force1; }, u"0.00"), "24.41"},
      {"F2", T::textSingle([](auto& r) { return r.second.force; }, u"0.00"), "48.83"}}},
    {"IndexJustBelowFourFails",
     [](Inputs& in) {
         in.d = 2;
         in.D = 7.9f;
     },
     {{"index", T::textSingle([](auto& r) { return r.springIndex; }, u"0.0"), "4.0"},
      {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "NG"}}},
    {"IndexTenPasses",
     [](Inputs& in) {
         in.d = 2;
         in.D = 20;
     },
     {{"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "OK"}}},
    // 1 * 881.4953 is the very single-precision value of sigma max.
    {"StressEqualToTheAllowableFails",
     [](Inputs& in) {
         in.tensileStrength = 1;
         in.coefficient = 881.4953;
     },
     {{"below allowable", T::verdict([](auto& r) { return r.second.belowAllowable; }), "NG"},
      {"safety factor", T::textSingle([](auto& r) { return r.second.safetyFactor; }, u"0.00"), "1.00"}}},
    {"StressJustBelowTheAllowablePasses",
     [](Inputs& in) {
         in.tensileStrength = 1;
         in.coefficient = 881.4954;
     },
     {{"below allowable", T::verdict([](auto& r) { return r.second.belowAllowable; }), "OK"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, TorsionExpertExample, ::testing::ValuesIn(kExamples), Examples::name);

// A fault stops the calculation; what came before it stays in the results.
class TorsionExpertFault : public ::testing::TestWithParam<Case> {};

TEST_P(TorsionExpertFault, KeepsWhatCameBefore) {
    Examples::check(workedExample(), GetParam(), compute, Examples::Ends::InFault);
}

const Case kFaults[] = {
    {"ModulusBeyondFixedPoint",
     [](Inputs& in) { in.modulus = 930000000000000; },
     {{"rate", T::textSingle([](auto& r) { return r.rate; }), "NaN"}}},
    {"ZeroArm",
     [](Inputs& in) { in.arm = 0; },
     {{"rate", T::textSingle([](auto& r) { return r.rate; }, u"0.00"), "17.44"},
      {"F1", T::textSingle([](auto& r) { return r.force1; }), "NaN"}}},
    {"ZeroFirstAngle",
     [](Inputs& in) { in.a1 = 0; },
     {{"T1", T::textSingle([](auto& r) { return r.torque1; }), "0"},
      {"tolerance at a1", T::textSingle([](auto& r) { return r.tolerance1; }), "NaN"}}},
    {"MeanDiameterEqualToWire",
     [](Inputs& in) { in.D = 2.5f; },
     {{"index", T::textSingle([](auto& r) { return r.springIndex; }), "1"},
      {"curvature factor", T::textSingle([](auto& r) { return r.curvatureFactor; }), "NaN"}}},
    {"FreeAngleCancellingTheCoils",
     [](Inputs& in) { in.freeAngle = -2160; },
     {{"tolerance at a2", T::textSingle([](auto& r) { return r.second.tolerance; }, u"0%"), "7%"},
      {"inner diameter at a2", T::textSingle([](auto& r) { return r.second.innerDiameter; }), "NaN"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, TorsionExpertFault, ::testing::ValuesIn(kFaults), Examples::name);

} // namespace
