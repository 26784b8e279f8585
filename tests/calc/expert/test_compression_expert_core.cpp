// The expert compression calculation without its window: the design defaults and their
// variations to more digits than the boxes show, skipped heights and faults part way.

#include "calc/expert/CompressionExpertCore.h"
#include "calc/expert/CoreResultTexts.h"
#include "common/CheckedMath.h"
#include "common/EndForms.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace compressionexpert;

// The design defaults of the window: G 78000, d 1, D 10, n 4, n1 6, H0 16 ± 0.2, h1 14, h2 12,
// h3 10, tensile strength 1660 with coefficient 0.41, ground ends "YI".
Inputs designDefaults() {
    return {.endForm = endforms::find(u"YI"),
            .G = 78000,
            .d = 1,
            .D = 10,
            .n = 4,
            .n1 = 6,
            .H0 = 16,
            .h1 = 14,
            .h2 = 12,
            .h3 = 10,
            .h3Given = true,
            .tolerance = 0.2,
            .tensileStrength = 1660,
            .coefficient = 0.41,
            .strengthGiven = true};
}

using T = ResultTexts<Results>;
using Expect = T::Expect;

using Examples = CoreExamples<Inputs, Results>;
using Case = Examples::Case;

class CompressionExpertExample : public ::testing::TestWithParam<Case> {};

TEST_P(CompressionExpertExample, GivesTheKnownResults) {
    Examples::check(designDefaults(), GetParam(), compute, Examples::Ends::Complete);
}

const Case kExamples[] = {
    {"DesignDefaults",
     nullptr,
     {
         {"developed length", T::text([](auto& r) { return r.geometry.developedLength; }, u"0.000"), "188.496"},
         {"solid height", T::text([](auto& r) { return r.geometry.solidHeight; }), "5.5"},
         {"max deflection", T::text([](auto& r) { return r.geometry.maxDeflection; }), "10.5"},
         {"pitch", T::textSingle([](auto& r) { return r.geometry.pitch; }), "3.625"},
         {"pitch check", T::verdict([](auto& r) { return r.geometry.pitchOk; }), "OK"},
         {"helix angle", T::text([](auto& r) { return r.geometry.helixAngle; }, u"0.00"), "6.58"},
         {"helix angle check", T::verdict([](auto& r) { return r.geometry.helixAngleOk; }), "OK"},
         {"rate", T::text([](auto& r) { return r.installed.rate; }), "2.4375"},
         {"F1", T::textSingle([](auto& r) { return r.installed.load; }), "4.875"},
         {"tolerance at h1", T::text([](auto& r) { return r.installed.tolerance; }, u"0%"), "10%"},
         {"solid load", T::textSingle([](auto& r) { return r.installed.solidLoad; }, u"0.00"), "25.59"},
         {"natural frequency", T::text([](auto& r) { return r.installed.naturalFrequency; }), "890"},
         {"forced frequency", T::text([](auto& r) { return r.installed.forcedFrequency; }, u"0.00"), "23.33"},
         {"resonance", T::verdict([](auto& r) { return r.installed.resonanceOk; }), "OK"},
         {"index", T::textSingle([](auto& r) { return r.installed.springIndex; }), "10"},
         {"index check", T::verdict([](auto& r) { return r.installed.springIndexOk; }), "OK"},
         {"coil check", T::verdict([](auto& r) { return r.installed.activeCoilsOk; }), "OK"},
         {"tau1", T::textSingle([](auto& r) { return r.installed.stress; }, u"0.00"), "142.19"},
         {"F2", T::textSingle([](auto& r) { return r.working2.load; }), "9.75"},
         {"tau2", T::textSingle([](auto& r) { return r.working2.stress; }, u"0.00"), "284.39"},
         {"deformation after h2", T::textSingle([](auto& r) { return r.working2.deformationRatio; }, u"0.00"),
          "0.19"},
         {"deformation check after h2", T::verdict([](auto& r) { return r.working2.deformationOk; }), "NG"},
         {"slenderness", T::textSingle([](auto& r) { return r.working2.slenderness; }), "1.6"},
         {"F3", T::textSingle([](auto& r) { return r.working3.load; }), "14.625"},
         {"limit load from F3", T::text([](auto& r) { return r.working3.limitLoad; }, u"0.00"), "18.28"},
         {"deformation after h3", T::textSingle([](auto& r) { return r.working3.deformationRatio; }, u"0.000"),
          "0.571"},
         {"deformation check after h3", T::verdict([](auto& r) { return r.working3.deformationOk; }), "OK"},
         {"tau3", T::textSingle([](auto& r) { return r.working3.stress; }, u"0.00"), "426.58"},
         {"allowable stress", T::textSingle([](auto& r) { return r.working3.strength.allowableStress; }),
          "680.6"},
         {"safety factor", T::textSingle([](auto& r) { return r.working3.strength.safetyFactor; }, u"0.00"),
          "1.60"},
         {"safety check", T::verdict([](auto& r) { return r.working3.strength.safetyOk; }), "OK"},
         // Ps ≈ 29.99 would deflect the spring 12.30, past the maximum deflection.
         {"test load at solid",
          T::textSingle([](auto& r) { return r.working3.strength.solidTestLoad; }, u"0.00"), "25.59"},
         {"test deflection at solid",
          T::text([](auto& r) { return r.working3.strength.solidTestDeflection; }, u"0.0"), "10.5"},
         {"characteristic check", T::verdict([](auto& r) { return r.working3.strength.characteristicOk; }),
          "NG"},
         {"life", [](const Results& r) { return r.working3.strength.life->cycles; }, "1000"},
         {"heights skipped", [](const Results& r) { return QString::number(r.heightsBelowSolid); }, "0"},
     }},
    {"WithoutH3TheLimitLoadFollowsF2",
     [](Inputs& in) { in.h3Given = false; },
     {
         {"limit load from F2", T::text([](auto& r) { return r.working2.limitLoad; }, u"0.00"), "12.19"},
         {"safety factor after h2",
          T::textSingle([](auto& r) { return r.working2.strength.safetyFactor; }, u"0.00"), "2.39"},
         {"no F3", T::textSingle([](auto& r) { return r.working3.load; }), "NaN"},
     }},
    {"ClosedUngroundEndsRaiseTheSolidHeight",
     [](Inputs& in) { in.endForm = endforms::find(u"YII"); },
     {{"solid height", T::text([](auto& r) { return r.geometry.solidHeight; }), "7"},
      {"max deflection", T::text([](auto& r) { return r.geometry.maxDeflection; }), "9"}}},
    {"HotCoiledFlattenedEnds",
     [](Inputs& in) { in.endForm = endforms::find(u"RYII"); },
     {{"solid height", T::text([](auto& r) { return r.geometry.solidHeight; }), "5.5"}}},
    {"TestLoadBelowTheSolidLoadKeepsItsDeflection",
     [](Inputs& in) { in.coefficient = 0.2; },
     {{"allowable stress", T::textSingle([](auto& r) { return r.working3.strength.allowableStress; }), "332"},
      {"test load", T::text([](auto& r) { return r.working3.strength.testLoad; }, u"0.00"), "16.30"},
      {"test deflection", T::textSingle([](auto& r) { return r.working3.strength.testDeflection; }, u"0.0"),
       "6.7"},
      {"no solid test load", T::textSingle([](auto& r) { return r.working3.strength.solidTestLoad; }), "NaN"}}},
    {"InstalledHeightEqualToTheSolidHeightIsAccepted",
     [](Inputs& in) { in.h1 = 5.5f; },
     {{"F1", T::textSingle([](auto& r) { return r.installed.load; }, u"0.00"), "25.59"}}},
    {"InstalledHeightJustBelowTheSolidHeightIsSkipped",
     [](Inputs& in) {
         in.h1 = 5.49f;
         in.h2 = 5.4f;
         in.h3 = 5.3;
     },
     {{"no rate", T::text([](auto& r) { return r.installed.rate; }), "NaN"},
      {"no F2", T::textSingle([](auto& r) { return r.working2.load; }), "NaN"},
      {"no F3", T::textSingle([](auto& r) { return r.working3.load; }), "NaN"},
      {"heights skipped", [](const Results& r) { return QString::number(r.heightsBelowSolid); }, "3"}}},
    {"StrengthChecksNeedBothValues",
     [](Inputs& in) { in.strengthGiven = false; },
     {{"F3", T::textSingle([](auto& r) { return r.working3.load; }, u"0.00"), "14.63"},
      {"no allowable stress", T::textSingle([](auto& r) { return r.working3.strength.allowableStress; }), "NaN"},
      {"no life", [](const Results& r) { return QString::number(r.working3.strength.life.has_value()); },
       "0"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, CompressionExpertExample, ::testing::ValuesIn(kExamples), Examples::name);

// A fault stops the calculation; what came before it stays in the results.
class CompressionExpertFault : public ::testing::TestWithParam<Case> {};

TEST_P(CompressionExpertFault, KeepsWhatCameBefore) {
    Examples::check(designDefaults(), GetParam(), compute, Examples::Ends::InFault);
}

const Case kFaults[] = {
    {"NoMeanDiameter",
     [](Inputs& in) { in.D = 0; },
     {{"pitch", T::textSingle([](auto& r) { return r.geometry.pitch; }), "3.625"},
      {"helix angle", T::text([](auto& r) { return r.geometry.helixAngle; }), "NaN"}}},
    {"InstalledHeightEqualsFreeHeight",
     [](Inputs& in) { in.h1 = 16; },
     {{"F1", T::textSingle([](auto& r) { return r.installed.load; }), "0"},
      {"tolerance at h1", T::text([](auto& r) { return r.installed.tolerance; }), "NaN"}}},
    {"NoTensileStrength",
     [](Inputs& in) { in.tensileStrength = 0; },
     {{"allowable stress", T::textSingle([](auto& r) { return r.working2.strength.allowableStress; }), "0"},
      {"life", [](const Results& r) { return QString::number(r.working2.strength.life.has_value()); }, "0"}}},
    // The installed height below the solid height leaves no rate for h2 above it.
    {"HeightsOutOfOrder",
     [](Inputs& in) { in.h1 = 5; },
     {{"helix angle", T::text([](auto& r) { return r.geometry.helixAngle; }, u"0.0"), "6.6"},
      {"F2", T::textSingle([](auto& r) { return r.working2.load; }), "NaN"},
      {"heights skipped", [](const Results& r) { return QString::number(r.heightsBelowSolid); }, "1"}}},
    {"NoEndForm",
     [](Inputs& in) { in.endForm = nullptr; },
     {{"developed length", T::text([](auto& r) { return r.geometry.developedLength; }), "NaN"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, CompressionExpertFault, ::testing::ValuesIn(kFaults), Examples::name);

} // namespace
