// The arithmetic of the four spring designers without their windows: each worked example as
// the texts the window shows for it, the verdicts it decides, and the inputs that fault (with
// the verdicts decided before the fault).

#include "calc/designers/BufferDesign.h"
#include "calc/designers/CompressionDesign.h"
#include "calc/designers/ExtensionDesign.h"
#include "calc/designers/TorsionDesign.h"
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

// The inputs with one of them changed.
template <class I> I with(I in, float I::*member, float value) {
    in.*member = value;
    return in;
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

// --- extension -----------------------------------------------------------------------------

namespace extension {

using extensiondesigner::Inputs;
using extensiondesigner::Results;

// The window's defaults: G 79000, [tau] 600, C 5.5, L1 7.5 / P1 180, L2 17 / P2 340.
Inputs defaults(std::optional<float> chosen = std::nullopt) {
    return {79000.0f, 600.0f, 5.5f, 7.5f, 180.0f, 17.0f, 340.0f, chosen};
}

struct Case {
    const char* name;
    Inputs in;
    std::vector<Shown<Results>> shown;
    std::vector<Decided<Results>> decided = {};
};

class ExtensionCore : public ::testing::TestWithParam<Case> {};

TEST_P(ExtensionCore, ShowsTheWorkedExample) {
    Results r;
    extensiondesigner::compute(GetParam().in, r);
    expectResults(r, GetParam().shown, GetParam().decided);
}

const Case kCases[] = {
    {"DefaultsWithProposedDiameter",
     defaults(),
     {{&Results::wireDiameter, "0.00", "3.20"},
      {&Results::meanDiameter, "0.00", "17.60"},
      {&Results::innerDiameter, "0.00", "14.40"},
      {&Results::outerDiameter, "0.00", "20.80"},
      {&Results::activeCoils, "0.00", "12.00"},
      {&Results::rate, "0.00", "15.83"},
      {&Results::initialTension, "0.00", "61.29"},
      {&Results::initialStress, "0.00", "107.18"},
      {&Results::limitStress, "0.00", "672.00"},
      {&Results::limitLoad, "0.00", "382.27"},
      {&Results::maxShearStress, "0.00", "594.53"},
      {&Results::safetyFactor, "0.00", "1.01"},
      {&Results::freeLength, "0.00", "70.40"},
      {&Results::characteristicRatio, "0.0", "0.4"}},
     {{&Results::initialStressOk, true}, {&Results::characteristicOk, true}, {&Results::safetyOk, true}}},
    {"DefaultsWithChosenDiameter",
     defaults(3.5f),
     {{&Results::wireDiameter, "0.00", "3.50"},
      {&Results::activeCoils, "0.00", "13.00"},
      {&Results::rate, "0.00", "15.98"},
      {&Results::initialTension, "0.00", "60.15"},
      {&Results::initialStress, "0.00", "87.92"},
      {&Results::limitLoad, "0.00", "457.31"},
      {&Results::maxShearStress, "0.00", "496.98"},
      {&Results::safetyFactor, "0.00", "1.21"},
      {&Results::freeLength, "0.00", "80.50"},
      {&Results::characteristicRatio, "0.0", "0.3"}}},
    {"ProposalRoundingToSevenStays",
     with(defaults(), &Inputs::secondLoad, 1640.0f),
     {{&Results::wireDiameter, "0.00", "7.00"}}},
    {"ProposalRoundingAboveSevenStepsUp",
     with(defaults(), &Inputs::secondLoad, 1700.0f),
     {{&Results::wireDiameter, "0.00", "8.00"}}},
    // A falling load with a growing extension gives a negative rate; nothing guards it.
    {"NoPlausibilityGuard",
     with(defaults(), &Inputs::secondLoad, 100.0f),
     {{&Results::wireDiameter, "0.00", "1.70"},
      {&Results::activeCoils, "0.00", "-11.00"},
      {&Results::rate, "0.00", "-9.17"}}},
};
INSTANTIATE_TEST_SUITE_P(Designer, ExtensionCore, ::testing::ValuesIn(kCases), caseName<Case>);

struct FaultCase {
    const char* name;
    Inputs in;
    std::optional<bool> initialStressOk; // decided before the fault, if it was
};

class ExtensionCoreFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ExtensionCoreFault, FaultsKeepingEarlierVerdicts) {
    Results r;
    EXPECT_THROW(extensiondesigner::compute(GetParam().in, r), num::CalcFault);
    EXPECT_EQ(r.initialStressOk, GetParam().initialStressOk);
    EXPECT_FALSE(r.characteristicOk.has_value());
    EXPECT_FALSE(r.safetyOk.has_value());
}

const FaultCase kFaults[] = {
    {"ZeroChosenDiameter", defaults(0.0f), std::nullopt},
    {"IndexOne", with(defaults(), &Inputs::springIndex, 1.0f), std::nullopt},
    {"IndexBelowOneMakesARootNegative", with(defaults(), &Inputs::springIndex, 0.9f), std::nullopt},
    {"EqualExtensions", with(defaults(), &Inputs::secondExtension, 7.5f), std::nullopt},
    {"ZeroAllowableStressWithoutChosenDiameter", with(defaults(), &Inputs::allowableStress, 0.0f),
     std::nullopt},
    // The initial-stress limit G/100/C is 0: NG, before the check extension divides by G.
    {"ZeroShearModulus", with(defaults(), &Inputs::shearModulus, 0.0f), false},
};
INSTANTIATE_TEST_SUITE_P(Designer, ExtensionCoreFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

} // namespace extension

// --- torsion -------------------------------------------------------------------------------

namespace torsion {

using torsiondesigner::Inputs;
using torsiondesigner::Results;

// The window's defaults: E 206000, [sigma] 1236, R 35, Pmax 60, Dlim 13.3, Hlim 37, gap 0.5,
// working angle 40, free angle 142.
Inputs defaults(std::optional<float> chosen = std::nullopt) {
    return {206000.0f, 1236.0f, 35.0f, 60.0f, 13.3f, 37.0f, 0.5f, 40.0f, 142.0f, chosen};
}

Inputs with2(Inputs in, float Inputs::*first, float firstValue, float Inputs::*second, float secondValue) {
    return with(with(in, first, firstValue), second, secondValue);
}

struct Case {
    const char* name;
    Inputs in;
    std::vector<Shown<Results>> shown;
    std::vector<Decided<Results>> decided = {};
};

class TorsionCore : public ::testing::TestWithParam<Case> {};

TEST_P(TorsionCore, ShowsTheWorkedExample) {
    Results r;
    torsiondesigner::compute(GetParam().in, r);
    expectResults(r, GetParam().shown, GetParam().decided);
}

const Case kCases[] = {
    {"Defaults",
     defaults(),
     {{&Results::wireDiameter, "0.0", "2.6"},
      {&Results::innerDiameter, "0.0", "8.1"},
      {&Results::meanDiameter, "0.0", "10.7"},
      {&Results::outerDiameter, "0.0", "13.3"},
      {&Results::activeCoils, "0.0", "11.1"},
      {&Results::pitch, "0.0", "3.1"},
      {&Results::rate, "0.0", "21.3"},
      {&Results::torsionAngle, "0", "99"},
      {&Results::correctionAngle, "0", "3"},
      {&Results::correctedAngle, "0", "102"},
      {&Results::impliedWorkingAngle, "0", "40"},
      {&Results::bendingStress, "0.0", "1231.2"},
      {&Results::freeHeight, "0.0", "36.9"},
      {&Results::actualTorque, "0.00", "2100.00"}},
     {{&Results::angleOk, true}, {&Results::stressOk, true}, {&Results::freeHeightOk, true}}},
    {"EstimateTooLarge",
     with(defaults(), &Inputs::estimatedFreeAngle, 150.0f),
     {{&Results::impliedWorkingAngle, "0", "48"}, {&Results::freeHeight, "0.0", "36.8"}},
     {{&Results::angleOk, false}, {&Results::stressOk, true}, {&Results::freeHeightOk, true}}},
    {"ChosenDiameter",
     defaults(2.6f),
     {{&Results::wireDiameter, "0.0", "2.6"},
      {&Results::bendingStress, "0.0", "1217.0"},
      {&Results::freeHeight, "0.0", "37.0"},
      {&Results::impliedWorkingAngle, "0", "42"}},
     {{&Results::stressOk, true}, {&Results::freeHeightOk, false}, {&Results::angleOk, false}}},
    {"LargeTorqueStepsAboveSeven",
     with2(defaults(), &Inputs::leverArm, 100.0f, &Inputs::maxLoad, 2000.0f),
     {{&Results::wireDiameter, "0.0", "12.0"}}},
    // d0 = 7.0000 rounds to 7.00 and stays; d0 = 7.0105 rounds to 7.01 and becomes 8.
    {"ProposalOfSevenStays",
     with2(defaults(), &Inputs::leverArm, 100.0f, &Inputs::maxLoad, 416.2f),
     {{&Results::wireDiameter, "0.0", "7.0"}}},
    {"ProposalJustAboveSevenStepsUp",
     with2(defaults(), &Inputs::leverArm, 100.0f, &Inputs::maxLoad, 418.1f),
     {{&Results::wireDiameter, "0.0", "8.0"}}},
    {"NoGapBetweenCoils",
     with(defaults(), &Inputs::coilGap, 0.0f),
     {{&Results::pitch, "0.0", "2.6"},
      {&Results::activeCoils, "0.0", "13.1"},
      {&Results::torsionAngle, "0", "117"},
      {&Results::impliedWorkingAngle, "0", "22"},
      {&Results::freeHeight, "0.0", "36.5"}},
     {{&Results::angleOk, false}, {&Results::freeHeightOk, true}}},
    {"WorkingAngleWithAFractionNeverMatches",
     with(defaults(), &Inputs::workingAngle, 40.4f),
     {{&Results::impliedWorkingAngle, "0", "40"}},
     {{&Results::angleOk, false}}},
};
INSTANTIATE_TEST_SUITE_P(Designer, TorsionCore, ::testing::ValuesIn(kCases), caseName<Case>);

struct FaultCase {
    const char* name;
    Inputs in;
};

class TorsionCoreFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TorsionCoreFault, FaultsBeforeAnyVerdict) {
    Results r;
    EXPECT_THROW(torsiondesigner::compute(GetParam().in, r), num::CalcFault);
    EXPECT_FALSE(r.stressOk.has_value());
    EXPECT_FALSE(r.freeHeightOk.has_value());
    EXPECT_FALSE(r.angleOk.has_value());
}

const FaultCase kFaults[] = {
    {"ZeroAllowableStress", with(defaults(), &Inputs::allowableStress, 0.0f)},
    {"ZeroYoungsModulus", with(defaults(), &Inputs::youngsModulus, 0.0f)},
    {"ZeroLeverArm", with(defaults(), &Inputs::leverArm, 0.0f)},
    {"NoRoomForTheWire", defaults(13.3f)},
    {"ZeroGapAndZeroWire", with(defaults(0.0f), &Inputs::coilGap, 0.0f)},
};
INSTANTIATE_TEST_SUITE_P(Designer, TorsionCoreFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

} // namespace torsion

// --- buffer --------------------------------------------------------------------------------

namespace buffer {

using bufferdesigner::Inputs;
using bufferdesigner::Results;

// The window's defaults: cars of 720 and 2700 kg, C 4, [tau] 75, G 8000, f 25 mm, v 0.85 m/s.
Inputs defaults() {
    return {720.0f, 2700.0f, 4.0f, 75.0f, 8000.0f, 25.0f, 0.85f};
}

struct Case {
    const char* name;
    Inputs in;
    std::vector<Shown<Results>> shown;
};

class BufferCore : public ::testing::TestWithParam<Case> {};

TEST_P(BufferCore, ShowsTheWorkedExample) {
    Results r;
    bufferdesigner::compute(GetParam().in, r);
    // Whatever the inputs, the safety factor is 1.6^2 * 3.1416 / 8 = 1.0053: always OK.
    expectResults(r, GetParam().shown, {{&Results::safetyOk, true}});
}

const Case kCases[] = {
    {"Defaults",
     defaults(),
     {{&Results::springForce, "0.000", "1260.689"},
      {&Results::allowedForce, "0.000", "1335.708"},
      {&Results::rate, "0.000", "50.000"},
      {&Results::pitch, "0.0", "22.6"},
      {&Results::solidHeight, "0.0", "96.0"},
      {&Results::freeHeight, "0.0", "129.0"},
      {&Results::maxShearStress, "0.00", "74.60"},
      {&Results::wireDiameter, "0.0", "16.0"},
      {&Results::innerDiameter, "0.0", "48.0"},
      {&Results::meanDiameter, "0.0", "64.0"},
      {&Results::outerDiameter, "0.0", "80.0"},
      {&Results::activeCoils, "0.0", "5.0"},
      {&Results::totalCoils, "0.0", "6.5"},
      {&Results::safetyFactor, "0.00", "1.01"}}},
    // Nothing moving: no force, the smallest wire of 1 mm and still a complete design.
    {"StandingCars",
     with(defaults(), &Inputs::impactSpeed, 0.0f),
     {{&Results::springForce, "0.000", "0.000"},
      {&Results::wireDiameter, "0.0", "1.0"},
      {&Results::safetyFactor, "0.00", "1.01"}}},
    {"OtherIndexAndSpeedStillOk",
     with(with(with(defaults(), &Inputs::springIndex, 8.0f), &Inputs::impactSpeed, 2.0f),
          &Inputs::allowableStress, 60.0f),
     {{&Results::safetyFactor, "0.00", "1.01"}}},
};
INSTANTIATE_TEST_SUITE_P(Designer, BufferCore, ::testing::ValuesIn(kCases), caseName<Case>);

struct FaultCase {
    const char* name;
    Inputs in;
};

class BufferCoreFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(BufferCoreFault, FaultsBeforeTheVerdict) {
    Results r;
    EXPECT_THROW(bufferdesigner::compute(GetParam().in, r), num::CalcFault);
    EXPECT_FALSE(r.safetyOk.has_value());
}

const FaultCase kFaults[] = {
    {"IndexOne", with(defaults(), &Inputs::springIndex, 1.0f)},
    {"IndexZero", with(defaults(), &Inputs::springIndex, 0.0f)},
    {"NoDeflection", with(defaults(), &Inputs::totalDeflection, 0.0f)},
    {"ZeroAllowableStress", with(defaults(), &Inputs::allowableStress, 0.0f)},
    {"IndexBelowOneMakesARootNegative", with(defaults(), &Inputs::springIndex, 0.9f)},
    {"ZeroShearModulus", with(defaults(), &Inputs::shearModulus, 0.0f)},
};
INSTANTIATE_TEST_SUITE_P(Designer, BufferCoreFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

} // namespace buffer

} // namespace
