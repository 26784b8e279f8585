// The conical, barrel and hourglass formulas against the designers' worked examples.

#include "calc/standard/ShapedSpringFormulas.h"
#include "common/BarrelSpringRate.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using standard::Quantities;
using standard::SolveFor;

using Solve = float (*)(SolveFor, const Quantities&);

Quantities shaped(float md2, float md1, float p, float g = 8000) {
    Quantities q;
    q.modulus = g;
    q.d = 2;
    q.activeCoils = 5;
    q.deflection = 10;
    q.largeMeanDiameter = md2;
    q.smallMeanDiameter = md1;
    q.load = p;
    return q;
}

struct ShapedCase {
    const char* name;
    Solve solve;
    SolveFor target;
    Quantities q;
    const char* pattern;
    const char* shown; // nullptr: the step faults
};

const float kNewtonG = float(8000 * 9.807);

const ShapedCase kCases[] = {
    {"ConicalRate", standard::conicalSolve, SolveFor::Rate, shaped(20, 10, 0), "0.0000", "0.8533"},
    {"ConicalLoad", standard::conicalSolve, SolveFor::Load, shaped(20, 10, 0), "0.0000", "8.5333"},
    {"ConicalWireDiameter", standard::conicalSolve, SolveFor::WireDiameter, shaped(20, 10, 8.5333f), "0.00",
     "2.00"},
    {"ConicalActiveCoils", standard::conicalSolve, SolveFor::ActiveCoils, shaped(20, 10, 8.5333f), "0.00",
     "5.00"},
    {"ConicalNewtonRate", standard::conicalSolve, SolveFor::Rate, shaped(20, 10, 0, kNewtonG), "0.0000",
     "8.3686"},
    {"ConicalSwappedDiameters", standard::conicalSolve, SolveFor::Rate, shaped(10, 20, 0), "0.0000",
     "0.8533"},
    {"ConicalEqualDiameters", standard::conicalSolve, SolveFor::Rate, shaped(20, 20, 0), "0.0000", nullptr},
    {"ConicalNoLoadWire", standard::conicalSolve, SolveFor::WireDiameter, shaped(20, 10, 0), "0.00", "0.00"},
    {"ConicalNoLoadCoils", standard::conicalSolve, SolveFor::ActiveCoils, shaped(20, 10, 0), "0.00", nullptr},
    {"ConicalNegativeLoadWire", standard::conicalSolve, SolveFor::WireDiameter, shaped(20, 10, -1), "0.00",
     nullptr},

    {"BarrelRate", standard::barrelSolve, SolveFor::Rate, shaped(20, 12, 0), "0.0000", "0.5824"},
    {"BarrelLoad", standard::barrelSolve, SolveFor::Load, shaped(20, 12, 0), "0.0000", "5.8236"},
    {"BarrelWireDiameter", standard::barrelSolve, SolveFor::WireDiameter, shaped(20, 12, 5.8236f), "0.00",
     "2.00"},
    {"BarrelActiveCoils", standard::barrelSolve, SolveFor::ActiveCoils, shaped(20, 12, 5.8236f), "0.00",
     "5.00"},
    {"BarrelCylindrical", standard::barrelSolve, SolveFor::Rate, shaped(20, 20, 0), "0.0000", "0.4000"},
    {"BarrelSwappedDiameters", standard::barrelSolve, SolveFor::Rate, shaped(12, 20, 0), "0.0000", "0.9373"},
    {"BarrelNewtonRate", standard::barrelSolve, SolveFor::Rate, shaped(20, 12, 0, kNewtonG), "0.0000",
     "5.7112"},
    {"BarrelNoDiameters", standard::barrelSolve, SolveFor::Rate, shaped(0, 0, 0), "0.0000", nullptr},
    {"BarrelNoDeflectionWire", standard::barrelSolve, SolveFor::WireDiameter,
     [] {
         Quantities q = shaped(20, 12, 5.8236f);
         q.deflection = 0;
         return q;
     }(),
     "0.00", nullptr},

    {"HourglassRate", standard::hourglassSolve, SolveFor::Rate, shaped(20, 12, 0), "0.0000", "0.9373"},
    {"HourglassLoad", standard::hourglassSolve, SolveFor::Load, shaped(20, 12, 0), "0.0000", "9.3733"},
    {"HourglassWireDiameter", standard::hourglassSolve, SolveFor::WireDiameter, shaped(20, 12, 9.3733f),
     "0.00", "2.00"},
    {"HourglassActiveCoils", standard::hourglassSolve, SolveFor::ActiveCoils, shaped(20, 12, 9.3733f), "0.00",
     "5.00"},
    {"HourglassCylindrical", standard::hourglassSolve, SolveFor::Rate, shaped(20, 20, 0), "0.0000", "0.4000"},
    {"HourglassNewtonRate", standard::hourglassSolve, SolveFor::Rate, shaped(20, 12, 0, kNewtonG), "0.0000",
     "9.1924"},
    {"HourglassNoLoadCoils", standard::hourglassSolve, SolveFor::ActiveCoils, shaped(20, 12, 0), "0.00",
     nullptr},
};

class ShapedFormula : public ::testing::TestWithParam<ShapedCase> {};

TEST_P(ShapedFormula, ShowsTheWorkedResultOrFaults) {
    const ShapedCase& c = GetParam();
    if (!c.shown) {
        EXPECT_THROW(c.solve(c.target, c.q), num::CalcFault);
        return;
    }
    const float result = c.solve(c.target, c.q);
    EXPECT_EQ(num::format(double(result), QString::fromLatin1(c.pattern)).toStdString(),
              std::string(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Examples, ShapedFormula, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The windows' radius factors are the shared barrel rate's, for their middle and end coils.
TEST(BarrelWindows, AgreeWithTheSharedBarrelRate) {
    for (const auto& [md2, md1] : {std::pair{20.0f, 12.0f}, {12.0f, 20.0f}, {31.5f, 7.25f}, {9.0f, 9.0f}}) {
        const Quantities q = shaped(md2, md1, 0);
        EXPECT_FLOAT_EQ(standard::barrelSolve(SolveFor::Rate, q),
                        float(springs::barrelSpringRate(8000, 2, 5, md2 / 2, md1 / 2)))
            << md2 << " " << md1;
        EXPECT_FLOAT_EQ(standard::hourglassSolve(SolveFor::Rate, q),
                        float(springs::barrelSpringRate(8000, 2, 5, md1 / 2, md2 / 2)))
            << md2 << " " << md1;
    }
}

// Doubling the deflection doubles the load and the coils and divides d by the fourth root of 2.
TEST(ConicalRelation, ScalesWithTheDeflection) {
    Quantities q = shaped(20, 10, 8.5333f);
    Quantities twice = q;
    twice.deflection = 20;
    EXPECT_FLOAT_EQ(standard::conicalSolve(SolveFor::Load, twice),
                    2 * standard::conicalSolve(SolveFor::Load, q));
    EXPECT_FLOAT_EQ(standard::conicalSolve(SolveFor::ActiveCoils, twice),
                    2 * standard::conicalSolve(SolveFor::ActiveCoils, q));
    EXPECT_NEAR(standard::conicalSolve(SolveFor::WireDiameter, twice),
                standard::conicalSolve(SolveFor::WireDiameter, q) / std::pow(2.0, 0.25), 1e-5);
}

} // namespace
