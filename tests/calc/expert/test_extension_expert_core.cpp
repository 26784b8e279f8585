// The expert extension calculation without its window: the worked spring at two and three
// lengths to more digits than the boxes show, the index bounds, a tension too small to show,
// and faults part way.

#include "calc/expert/CoreResultTexts.h"
#include "calc/expert/ExtensionExpert.h"
#include "common/CheckedMath.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace extensionexpert;
using T = ResultTexts<Results>;
using Expect = T::Expect;

// G 8000, d 2, D 20, n 10, H0 50 stretched to 60 and 70, tensile strength 1600 with
// coefficient 0.3.
Inputs workedSpring() {
    return {.g = 8000,
            .d = 2,
            .D = 20,
            .n = 10,
            .H0 = 50,
            .L1 = 60,
            .L2 = 70,
            .tensileStrength = 1600,
            .coefficient = 0.3f,
            .strengthGiven = true,
            .H0Strict = 50,
            .L2Strict = 70,
            .L3Strict = std::nullopt};
}

void withThirdLength(Inputs& in) {
    in.L3 = 80;
    in.L3Given = true;
    in.L3Strict = 80;
}

using Examples = CoreExamples<Inputs, Results>;
using Case = Examples::Case;

class ExtensionExpertExample : public ::testing::TestWithParam<Case> {};

TEST_P(ExtensionExpertExample, GivesTheKnownResults) {
    Examples::check(workedSpring(), GetParam(), compute, Examples::Ends::Complete);
}

const Case kExamples[] = {
    {"TwoLengths",
     nullptr,
     {
         {"initial tension", T::textSingle([](auto& r) { return r.initialTension; }), "1256.64"},
         {"initial tension in N", T::textSingle([](auto& r) { return r.initialTensionN; }, u"0.000"),
          "12.315"},
         {"rate", T::textSingle([](auto& r) { return r.rate; }), "200"},
         {"rate in N", T::textSingle([](auto& r) { return r.rateN; }), "1.96"},
         {"lowest at L1", T::textSingle([](auto& r) { return r.low1; }, u"0.000"), "3256.640"},
         {"highest at L1", T::text([](auto& r) { return r.high1; }, u"0.000"), "4261.952"},
         {"lowest at L2", T::textSingle([](auto& r) { return r.low2; }, u"0.000"), "5256.640"},
         {"highest at L2", T::text([](auto& r) { return r.high2; }, u"0.000"), "6261.952"},
         {"H0 over d", T::textSingle([](auto& r) { return r.slenderness; }), "25"},
         {"index", T::textSingle([](auto& r) { return r.springIndex; }), "10"},
         {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "OK"},
         {"Wahl factor", T::textSingle([](auto& r) { return r.wahl; }, u"0.0000"), "1.1448"},
         {"stress at L1", T::textSingle([](auto& r) { return r.stress1; }, u"0"), "233"},
         {"stress at L2", T::textSingle([](auto& r) { return r.stress2; }, u"0"), "375"},
         {"allowable stress", T::textSingle([](auto& r) { return r.allowableStress; }), "480"},
         {"safety factor", T::textSingle([](auto& r) { return r.checks2.safetyFactor; }, u"0.0"), "1.3"},
         {"below allowable", T::verdict([](auto& r) { return r.checks2.belowAllowable; }), "OK"},
         {"life", [](const Results& r) { return r.checks2.life->cycles; }, "1000"},
         {"test load", T::textSingle([](auto& r) { return r.checks2.testLoad; }, u"0.00"), "70.34"},
         {"test deflection", T::textSingle([](auto& r) { return r.checks2.testDeflection; }, u"0.0"), "29.6"},
         {"deformation ratio", T::textSingle([](auto& r) { return r.checks2.deformationRatio; }, u"0.000"),
          "0.676"},
         {"length at the test load",
          T::textSingle([](auto& r) { return r.checks2.lengthAtTestLoad; }, u"0.0"), "79.6"},
         {"deformation check", T::verdict([](auto& r) { return r.checks2.deformationOk; }), "OK"},
         {"no third band", T::textSingle([](auto& r) { return r.low3; }), "NaN"},
         {"third length done", [](const Results& r) { return QString::number(r.thirdLengthDone); }, "0"},
     }},
    {"ThirdLengthTakesOverWithItsOwnPi",
     withThirdLength,
     {
         {"lowest at L3", T::textSingle([](auto& r) { return r.low3; }, u"0.000"), "7256.640"},
         {"highest at L3", T::text([](auto& r) { return r.high3; }, u"0.000"), "8261.952"},
         {"stress at L3", T::textSingle([](auto& r) { return r.stress3; }, u"0"), "519"},
         {"safety factor", T::textSingle([](auto& r) { return r.checks3.safetyFactor; }, u"0.0"), "0.9"},
         {"below allowable", T::verdict([](auto& r) { return r.checks3.belowAllowable; }), "NG"},
         {"life", [](const Results& r) { return r.checks3.life->cycles; }, "2"},
         {"deformation ratio", T::textSingle([](auto& r) { return r.checks3.deformationRatio; }, u"0.000"),
          "1.013"},
         {"deformation check", T::verdict([](auto& r) { return r.checks3.deformationOk; }), "NG"},
         {"third length done", [](const Results& r) { return QString::number(r.thirdLengthDone); }, "1"},
     }},
    {"ThirdLengthWithoutStrengthHasNoChecks",
     [](Inputs& in) {
         withThirdLength(in);
         in.strengthGiven = false;
     },
     {{"stress at L3", T::textSingle([](auto& r) { return r.stress3; }, u"0"), "519"},
      {"no allowable stress", T::textSingle([](auto& r) { return r.allowableStress; }), "NaN"},
      {"no checks at L3", T::textSingle([](auto& r) { return r.checks3.safetyFactor; }), "NaN"},
      {"third length done", [](const Results& r) { return QString::number(r.thirdLengthDone); }, "1"}}},
    {"IndexFourPasses",
     [](Inputs& in) {
         in.d = 1;
         in.D = 4;
     },
     {{"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "OK"}}},
    {"IndexJustBelowFourFails",
     [](Inputs& in) {
         in.d = 1;
         in.D = 3.99f;
     },
     {{"index", T::textSingle([](auto& r) { return r.springIndex; }, u"0.0"), "4.0"},
      {"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "NG"}}},
    {"IndexJustAboveTenFails",
     [](Inputs& in) {
         in.d = 1;
         in.D = 10.01f;
     },
     {{"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "NG"}}},
    {"StressEqualToTheAllowableFails",
     [](Inputs& in) {
         in.tensileStrength = 1;
         in.coefficient = 375.4531f;
     },
     {{"safety factor", T::textSingle([](auto& r) { return r.checks2.safetyFactor; }, u"0.0"), "1.0"},
      {"below allowable", T::verdict([](auto& r) { return r.checks2.belowAllowable; }), "NG"}}},
    // The tension shows as "0.000": the loads in N start from 0, those in gf from the tension.
    {"TensionTooSmallToShow",
     [](Inputs& in) { in.d = 0.05f; },
     {{"initial tension", T::textSingle([](auto& r) { return r.initialTension; }, u"0.000"), "0.000"},
      {"initial tension in N", T::textSingle([](auto& r) { return r.initialTensionN; }), "0"},
      {"lowest at L1 keeps the tension",
       [](const Results& r) { return QString::number(r.low1 > r.rate * 10.0f); }, "1"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, ExtensionExpertExample, ::testing::ValuesIn(kExamples), Examples::name);

// A fault stops the calculation; what came before it stays in the results.
class ExtensionExpertFault : public ::testing::TestWithParam<Case> {};

TEST_P(ExtensionExpertFault, KeepsWhatCameBefore) {
    Inputs in = workedSpring();
    withThirdLength(in);
    Examples::check(in, GetParam(), compute, Examples::Ends::InFault);
}

const Case kFaults[] = {
    {"MeanDiameterEqualToWire",
     [](Inputs& in) { in.D = 2; },
     {{"index check", T::verdict([](auto& r) { return r.springIndexOk; }), "NG"},
      {"Wahl factor", T::textSingle([](auto& r) { return r.wahl; }), "NaN"}}},
    {"ZeroActiveCoils",
     [](Inputs& in) { in.n = 0; },
     {{"initial tension in N", T::textSingle([](auto& r) { return r.initialTensionN; }, u"0.000"), "12.315"},
      {"rate", T::textSingle([](auto& r) { return r.rate; }), "NaN"}}},
    // The loads use 70 from "70/2"; the deformation ratio reads the length strictly.
    {"WorkingLengthNotANumber",
     [](Inputs& in) { in.L2Strict.reset(); },
     {{"test deflection", T::textSingle([](auto& r) { return r.checks2.testDeflection; }, u"0.0"), "29.6"},
      {"deformation ratio", T::textSingle([](auto& r) { return r.checks2.deformationRatio; }), "NaN"},
      {"third length done", [](const Results& r) { return QString::number(r.thirdLengthDone); }, "0"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, ExtensionExpertFault, ::testing::ValuesIn(kFaults), Examples::name);

} // namespace
