// The expert compression calculation without its window: the design defaults and their
// variations to more digits than the boxes show, skipped heights and faults part way.

#include "calc/expert/CompressionExpertCore.h"
#include "common/CheckedMath.h"
#include "common/EndForms.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A result as text: with a pattern as a box shows it, without one in its shortest form;
// "NaN" when the calculation did not reach it.
using Shown = std::function<QString(const Results&)>;

struct Expect {
    const char* what;
    Shown shown;
    const char* text;
};

Shown text(std::function<double(const Results&)> value, const char16_t* pattern = u"") {
    return [value, pattern](const Results& r) {
        const QStringView p(pattern);
        if (std::isnan(value(r)))
            return QStringLiteral("NaN");
        return p.isEmpty() ? num::text(value(r)) : num::format(value(r), p);
    };
}
Shown textSingle(std::function<float(const Results&)> value, const char16_t* pattern = u"") {
    return [value, pattern](const Results& r) {
        const QStringView p(pattern);
        if (std::isnan(value(r)))
            return QStringLiteral("NaN");
        return p.isEmpty() ? num::textSingle(value(r)) : num::formatSingle(value(r), p);
    };
}
Shown verdict(std::function<std::optional<bool>(const Results&)> value) {
    return [value](const Results& r) {
        const std::optional<bool> ok = value(r);
        return !ok ? QStringLiteral("none") : *ok ? QStringLiteral("OK") : QStringLiteral("NG");
    };
}

struct CoreCase {
    const char* name;
    std::function<void(Inputs&)> change;
    std::vector<Expect> expected;
    int heightsBelowSolid = 0;
};

void expectShown(const Results& r, const std::vector<Expect>& expected) {
    for (const Expect& e : expected)
        EXPECT_EQ(e.shown(r), QString::fromUtf8(e.text)) << e.what;
}

class CompressionExpertExample : public ::testing::TestWithParam<CoreCase> {};

TEST_P(CompressionExpertExample, GivesTheKnownResults) {
    Inputs in = designDefaults();
    if (GetParam().change)
        GetParam().change(in);
    Results r;
    ASSERT_NO_THROW(compute(in, r));
    expectShown(r, GetParam().expected);
    EXPECT_EQ(r.heightsBelowSolid, GetParam().heightsBelowSolid);
}

const CoreCase kExamples[] = {
    {"DesignDefaults",
     nullptr,
     {
         {"developed length", text([](auto& r) { return r.geometry.developedLength; }, u"0.000"), "188.496"},
         {"solid height", text([](auto& r) { return r.geometry.solidHeight; }), "5.5"},
         {"max deflection", text([](auto& r) { return r.geometry.maxDeflection; }), "10.5"},
         {"pitch", textSingle([](auto& r) { return r.geometry.pitch; }), "3.625"},
         {"pitch check", verdict([](auto& r) { return r.geometry.pitchOk; }), "OK"},
         {"helix angle", text([](auto& r) { return r.geometry.helixAngle; }, u"0.00"), "6.58"},
         {"helix angle check", verdict([](auto& r) { return r.geometry.helixAngleOk; }), "OK"},
         {"rate", text([](auto& r) { return r.installed.rate; }), "2.4375"},
         {"F1", textSingle([](auto& r) { return r.installed.load; }), "4.875"},
         {"tolerance at h1", text([](auto& r) { return r.installed.tolerance; }, u"0%"), "10%"},
         {"solid load", textSingle([](auto& r) { return r.installed.solidLoad; }, u"0.00"), "25.59"},
         {"natural frequency", text([](auto& r) { return r.installed.naturalFrequency; }), "890"},
         {"forced frequency", text([](auto& r) { return r.installed.forcedFrequency; }, u"0.00"), "23.33"},
         {"resonance", verdict([](auto& r) { return r.installed.resonanceOk; }), "OK"},
         {"index", textSingle([](auto& r) { return r.installed.springIndex; }), "10"},
         {"index check", verdict([](auto& r) { return r.installed.springIndexOk; }), "OK"},
         {"coil check", verdict([](auto& r) { return r.installed.activeCoilsOk; }), "OK"},
         {"tau1", textSingle([](auto& r) { return r.installed.stress; }, u"0.00"), "142.19"},
         {"F2", textSingle([](auto& r) { return r.working2.load; }), "9.75"},
         {"tau2", textSingle([](auto& r) { return r.working2.stress; }, u"0.00"), "284.39"},
         {"deformation after h2", textSingle([](auto& r) { return r.working2.deformationRatio; }, u"0.00"),
          "0.19"},
         {"deformation check after h2", verdict([](auto& r) { return r.working2.deformationOk; }), "NG"},
         {"slenderness", textSingle([](auto& r) { return r.working2.slenderness; }), "1.6"},
         {"F3", textSingle([](auto& r) { return r.working3.load; }), "14.625"},
         {"limit load from F3", text([](auto& r) { return r.working3.limitLoad; }, u"0.00"), "18.28"},
         {"deformation after h3", textSingle([](auto& r) { return r.working3.deformationRatio; }, u"0.000"),
          "0.571"},
         {"deformation check after h3", verdict([](auto& r) { return r.working3.deformationOk; }), "OK"},
         {"tau3", textSingle([](auto& r) { return r.working3.stress; }, u"0.00"), "426.58"},
         {"allowable stress", textSingle([](auto& r) { return r.working3.strength.allowableStress; }),
          "680.6"},
         {"safety factor", textSingle([](auto& r) { return r.working3.strength.safetyFactor; }, u"0.00"),
          "1.60"},
         {"safety check", verdict([](auto& r) { return r.working3.strength.safetyOk; }), "OK"},
         // Ps ≈ 29.99 would deflect the spring 12.30, past the maximum deflection.
         {"test load at solid",
          textSingle([](auto& r) { return r.working3.strength.solidTestLoad; }, u"0.00"), "25.59"},
         {"test deflection at solid",
          text([](auto& r) { return r.working3.strength.solidTestDeflection; }, u"0.0"), "10.5"},
         {"characteristic check", verdict([](auto& r) { return r.working3.strength.characteristicOk; }),
          "NG"},
         {"life", [](const Results& r) { return r.working3.strength.life->cycles; }, "1000"},
     }},
    {"WithoutH3TheLimitLoadFollowsF2",
     [](Inputs& in) { in.h3Given = false; },
     {
         {"limit load from F2", text([](auto& r) { return r.working2.limitLoad; }, u"0.00"), "12.19"},
         {"safety factor after h2",
          textSingle([](auto& r) { return r.working2.strength.safetyFactor; }, u"0.00"), "2.39"},
         {"no F3", textSingle([](auto& r) { return r.working3.load; }), "NaN"},
     }},
    {"ClosedUngroundEndsRaiseTheSolidHeight",
     [](Inputs& in) { in.endForm = endforms::find(u"YII"); },
     {{"solid height", text([](auto& r) { return r.geometry.solidHeight; }), "7"},
      {"max deflection", text([](auto& r) { return r.geometry.maxDeflection; }), "9"}}},
    {"HotCoiledFlattenedEnds",
     [](Inputs& in) { in.endForm = endforms::find(u"RYII"); },
     {{"solid height", text([](auto& r) { return r.geometry.solidHeight; }), "5.5"}}},
    {"TestLoadBelowTheSolidLoadKeepsItsDeflection",
     [](Inputs& in) { in.coefficient = 0.2; },
     {{"allowable stress", textSingle([](auto& r) { return r.working3.strength.allowableStress; }), "332"},
      {"test load", text([](auto& r) { return r.working3.strength.testLoad; }, u"0.00"), "16.30"},
      {"test deflection", textSingle([](auto& r) { return r.working3.strength.testDeflection; }, u"0.0"),
       "6.7"},
      {"no solid test load", textSingle([](auto& r) { return r.working3.strength.solidTestLoad; }), "NaN"}}},
    {"InstalledHeightEqualToTheSolidHeightIsAccepted",
     [](Inputs& in) { in.h1 = 5.5f; },
     {{"F1", textSingle([](auto& r) { return r.installed.load; }, u"0.00"), "25.59"}}},
    {"InstalledHeightJustBelowTheSolidHeightIsSkipped",
     [](Inputs& in) {
         in.h1 = 5.49f;
         in.h2 = 5.4f;
         in.h3 = 5.3;
     },
     {{"no rate", text([](auto& r) { return r.installed.rate; }), "NaN"},
      {"no F2", textSingle([](auto& r) { return r.working2.load; }), "NaN"},
      {"no F3", textSingle([](auto& r) { return r.working3.load; }), "NaN"}},
     3},
    {"StrengthChecksNeedBothValues",
     [](Inputs& in) { in.strengthGiven = false; },
     {{"F3", textSingle([](auto& r) { return r.working3.load; }, u"0.00"), "14.63"},
      {"no allowable stress", textSingle([](auto& r) { return r.working3.strength.allowableStress; }), "NaN"},
      {"no life", [](const Results& r) { return QString::number(r.working3.strength.life.has_value()); },
       "0"}}},
};

INSTANTIATE_TEST_SUITE_P(Core, CompressionExpertExample, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// A fault stops the calculation; what came before it stays in the results.
struct FaultCase {
    const char* name;
    std::function<void(Inputs&)> change;
    Expect lastReached;
    Expect firstNotReached;
    int heightsBelowSolid = 0;
};

class CompressionExpertFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CompressionExpertFault, KeepsWhatCameBefore) {
    Inputs in = designDefaults();
    GetParam().change(in);
    Results r;
    EXPECT_THROW(compute(in, r), num::CalcFault);
    expectShown(r, {GetParam().lastReached, GetParam().firstNotReached});
    EXPECT_EQ(r.heightsBelowSolid, GetParam().heightsBelowSolid);
}

const FaultCase kFaults[] = {
    {"NoMeanDiameter",
     [](Inputs& in) { in.D = 0; },
     {"pitch", textSingle([](auto& r) { return r.geometry.pitch; }), "3.625"},
     {"helix angle", text([](auto& r) { return r.geometry.helixAngle; }), "NaN"}},
    {"InstalledHeightEqualsFreeHeight",
     [](Inputs& in) { in.h1 = 16; },
     {"F1", textSingle([](auto& r) { return r.installed.load; }), "0"},
     {"tolerance at h1", text([](auto& r) { return r.installed.tolerance; }), "NaN"}},
    {"NoTensileStrength",
     [](Inputs& in) { in.tensileStrength = 0; },
     {"allowable stress", textSingle([](auto& r) { return r.working2.strength.allowableStress; }), "0"},
     {"life", [](const Results& r) { return QString::number(r.working2.strength.life.has_value()); }, "0"}},
    // The installed height below the solid height leaves no rate for h2 above it.
    {"HeightsOutOfOrder",
     [](Inputs& in) { in.h1 = 5; },
     {"helix angle", text([](auto& r) { return r.geometry.helixAngle; }, u"0.0"), "6.6"},
     {"F2", textSingle([](auto& r) { return r.working2.load; }), "NaN"},
     1},
    {"NoEndForm",
     [](Inputs& in) { in.endForm = nullptr; },
     {"nothing", [](const Results&) { return QString(); }, ""},
     {"developed length", text([](auto& r) { return r.geometry.developedLength; }), "NaN"}},
};

INSTANTIATE_TEST_SUITE_P(Core, CompressionExpertFault, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
