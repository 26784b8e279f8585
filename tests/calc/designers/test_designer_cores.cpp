// The arithmetic of the four spring designers without their windows: each worked example as
// the texts the window shows for it, the verdicts it decides, and the inputs that fault (with
// the verdicts decided before the fault).

#include "calc/designers/CompressionDesign.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// A result as its box shows it.
template <class R> struct Shown {
    float R::*member;
    const char* pattern;
    const char* text;
};

// A verdict: decided true or false, or not decided (std::nullopt).
template <class R> struct Decided {
    std::optional<bool> R::*member;
    std::optional<bool> verdict;
};

template <class R>
void expectResults(const R& r, const std::vector<Shown<R>>& shown, const std::vector<Decided<R>>& decided) {
    for (const Shown<R>& s : shown)
        EXPECT_EQ(num::formatSingle(r.*(s.member), QString::fromLatin1(s.pattern)), QString::fromUtf8(s.text))
            << "expected " << s.text;
    for (const Decided<R>& d : decided)
        EXPECT_EQ(r.*(d.member), d.verdict);
}

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// --- compression ---------------------------------------------------------------------------

namespace compression {

using compressiondesigner::Inputs;
using compressiondesigner::Results;

// The window's defaults: G 70000, [tau] 532, C 7.11, H1 55 / F1 200, H2 45 / F2 420.
Inputs defaults(std::optional<float> chosen = std::nullopt) {
    return {70000.0f, 532.0f, 7.11f, 55.0f, 200.0f, 45.0f, 420.0f, chosen};
}

struct Case {
    const char* name;
    Inputs in;
    std::vector<Shown<Results>> shown;
    std::vector<Decided<Results>> decided = {};
};

class CompressionCore : public ::testing::TestWithParam<Case> {};

TEST_P(CompressionCore, ShowsTheWorkedExample) {
    Results r;
    compressiondesigner::compute(GetParam().in, r);
    expectResults(r, GetParam().shown, GetParam().decided);
}

Inputs with(Inputs in, float Inputs::*member, float value) {
    in.*member = value;
    return in;
}

const Case kCases[] = {
    {"DefaultsWithTrialDiameter",
     defaults(),
     {{&Results::wireDiameter, "0.0", "4.2"},
      {&Results::meanDiameter, "0.0", "29.6"},
      {&Results::innerDiameter, "0.0", "25.5"},
      {&Results::outerDiameter, "0.0", "33.8"},
      {&Results::rate, "0.0", "20.3"},
      {&Results::activeCoils, "0.0", "5.0"},
      {&Results::totalCoils, "0.0", "7.0"},
      {&Results::solidHeight, "0.0", "27.1"},
      {&Results::freeHeight, "0.0", "64.9"},
      {&Results::actualWorkingLoad, "0.0", "403.0"},
      {&Results::limitLoad, "0.0", "525.0"},
      {&Results::limitDeflection, "0.0", "25.9"},
      {&Results::maxShearStress, "0.00", "529.19"},
      {&Results::safetyFactor, "0.00", "1.01"},
      {&Results::pitch, "0.0", "11.7"},
      {&Results::helixAngle, "0.0", "7.2"},
      {&Results::slenderness, "0.0", "2.2"},
      {&Results::installedRatio, "0.0", "0.4"},
      {&Results::workingRatio, "0.0", "0.8"}},
     {{&Results::coilsOk, true},
      {&Results::deformationOk, true},
      {&Results::pitchOk, true},
      {&Results::helixAngleOk, true},
      {&Results::safetyOk, true}}},
    {"DefaultsWithChosenDiameter3",
     defaults(3.0f),
     {{&Results::wireDiameter, "0.0", "3.0"},
      {&Results::meanDiameter, "0.0", "21.3"},
      {&Results::activeCoils, "0.0", "3.0"},
      {&Results::totalCoils, "0.0", "5.0"},
      {&Results::solidHeight, "0.0", "13.5"},
      {&Results::freeHeight, "0.0", "63.2"},
      {&Results::actualWorkingLoad, "0.0", "443.4"},
      {&Results::limitDeflection, "0.0", "21.6"},
      {&Results::pitch, "0.0", "19.6"},
      {&Results::helixAngle, "0.0", "16.3"},
      {&Results::maxShearStress, "0.00", "1021.72"},
      {&Results::safetyFactor, "0.00", "0.52"}},
     {{&Results::deformationOk, true},
      {&Results::pitchOk, false},
      {&Results::helixAngleOk, false},
      {&Results::safetyOk, false}}},
    {"CoilCountRoundingToZeroBecomesHalf",
     with(defaults(), &Inputs::workingHeight, 54.9f),
     {{&Results::activeCoils, "0.0", "0.5"}, {&Results::totalCoils, "0.0", "2.5"}},
     {{&Results::coilsOk, false}}},
    // Trial d = 9.097: above 7 it becomes the next whole number.
    {"TrialDiameterAboveSevenStepsUp",
     with(defaults(), &Inputs::workingLoad, 2000.0f),
     {{&Results::wireDiameter, "0.0", "10.0"}, {&Results::meanDiameter, "0.0", "71.1"}}},
    {"ChosenDiameterIsNeverRounded",
     with(defaults(9.26f), &Inputs::workingLoad, 2000.0f),
     {{&Results::wireDiameter, "0.0", "9.3"}, {&Results::meanDiameter, "0.0", "65.8"}}},
};
INSTANTIATE_TEST_SUITE_P(Designer, CompressionCore, ::testing::ValuesIn(kCases), caseName<Case>);

struct FaultCase {
    const char* name;
    Inputs in;
    std::optional<bool> coilsOk; // the verdict decided before the fault, if any
};

class CompressionCoreFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CompressionCoreFault, FaultsKeepingEarlierVerdicts) {
    Results r;
    EXPECT_THROW(compressiondesigner::compute(GetParam().in, r), num::CalcFault);
    EXPECT_EQ(r.coilsOk, GetParam().coilsOk);
    EXPECT_FALSE(r.safetyOk.has_value());
}

const FaultCase kFaults[] = {
    {"IndexOne", with(defaults(), &Inputs::springIndex, 1.0f), std::nullopt},
    {"IndexZero", with(defaults(), &Inputs::springIndex, 0.0f), std::nullopt},
    {"IndexBelowOneMakesARootNegative", with(defaults(), &Inputs::springIndex, 0.9f), std::nullopt},
    {"ZeroAllowableStress", with(defaults(), &Inputs::allowableStress, 0.0f), std::nullopt},
    {"EqualHeights", with(defaults(), &Inputs::workingHeight, 55.0f), std::nullopt},
    {"EqualLoads", with(defaults(), &Inputs::installedLoad, 420.0f), std::nullopt},
    {"ZeroWorkingLoad", with(defaults(), &Inputs::workingLoad, 0.0f), std::nullopt},
    {"ZeroChosenDiameter", defaults(0.0f), std::nullopt},
    // The coil count rounds to 0 (NG), then the rate of 0 divides.
    {"ZeroShearModulus", with(defaults(), &Inputs::shearModulus, 0.0f), false},
};
INSTANTIATE_TEST_SUITE_P(Designer, CompressionCoreFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

} // namespace compression

} // namespace
