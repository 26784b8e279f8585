// The compression, torsion and extension formulas against the designers' worked examples,
// compared as the text the window shows.

#include "calc/standard/StandardFormulas.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using standard::Quantities;
using standard::SolveFor;

using Solve = float (*)(SolveFor, const Quantities&);

struct FormulaCase {
    const char* name;
    Solve solve;
    SolveFor target;
    Quantities q;
    const char* pattern;
    const char* shown; // nullptr: the step faults
};

// Compression: G 8000, d 2, D 20, n 10, H0 50, H1 40, P 2.
Quantities compression(float g = 8000, float h1 = 40, float p = 2) {
    Quantities q;
    q.modulus = g;
    q.d = 2;
    q.meanDiameter = 20;
    q.activeCoils = 10;
    q.freeHeight = 50;
    q.loadedHeight = h1;
    q.load = p;
    return q;
}

// Torsion: E 21000, d 2, D 16, n 5, a1 = a2 = 20, R 20, θ 90, P 4.8945.
Quantities torsion(float theta = 90, float p = 4.8945f) {
    Quantities q;
    q.modulus = 21000;
    q.d = 2;
    q.meanDiameter = 16;
    q.activeCoils = 5;
    q.supportLeg = 20;
    q.forceLeg = 20;
    q.loadPoint = 20;
    q.angle = theta;
    q.load = p;
    return q;
}

// Extension: G 8000, d 1, D 8, n 10, H0 30, H1 40, P 2.444.
Quantities extension(float h1 = 40, float p = 2.444f) {
    Quantities q;
    q.modulus = 8000;
    q.d = 1;
    q.meanDiameter = 8;
    q.activeCoils = 10;
    q.freeHeight = 30;
    q.loadedHeight = h1;
    q.load = p;
    return q;
}

const float kNewtonG = float(8000 * 9.807);

const FormulaCase kCases[] = {
    {"CompressionRate", standard::compressionSolve, SolveFor::Rate, compression(), "0.0000", "0.2000"},
    {"CompressionWireDiameter", standard::compressionSolve, SolveFor::WireDiameter, compression(), "0.00",
     "2.00"},
    {"CompressionMeanDiameter", standard::compressionSolve, SolveFor::MeanDiameter, compression(), "0.00",
     "20.00"},
    {"CompressionActiveCoils", standard::compressionSolve, SolveFor::ActiveCoils, compression(), "0.00",
     "10.00"},
    {"CompressionLoad", standard::compressionSolve, SolveFor::Load, compression(), "0.0000", "2.0000"},
    {"CompressionNewtonRate", standard::compressionSolve, SolveFor::Rate, compression(kNewtonG), "0.0000",
     "1.9614"},
    {"CompressionNewtonLoad", standard::compressionSolve, SolveFor::Load, compression(kNewtonG), "0.0000",
     "19.6140"},
    {"CompressionNewtonWireDiameter", standard::compressionSolve, SolveFor::WireDiameter,
     compression(kNewtonG, 40, 19.614f), "0.00", "2.00"},
    {"CompressionNoDeflectionWire", standard::compressionSolve, SolveFor::WireDiameter, compression(8000, 50),
     "0.00", nullptr},
    {"CompressionNoDeflectionCoils", standard::compressionSolve, SolveFor::ActiveCoils, compression(8000, 50),
     "0.00", "0.00"},
    {"CompressionNoDeflectionLoad", standard::compressionSolve, SolveFor::Load, compression(8000, 50),
     "0.0000", "0.0000"},
    {"CompressionStretchedWire", standard::compressionSolve, SolveFor::WireDiameter, compression(8000, 60),
     "0.00", nullptr},
    {"CompressionStretchedCoils", standard::compressionSolve, SolveFor::ActiveCoils, compression(8000, 60),
     "0.00", "-10.00"},
    {"CompressionStretchedLoad", standard::compressionSolve, SolveFor::Load, compression(8000, 60), "0.0000",
     "-2.0000"},
    {"CompressionMeanDiameterNoLoad", standard::compressionSolve, SolveFor::MeanDiameter,
     compression(8000, 40, 0), "0.00", nullptr},

    {"TorsionRate", standard::torsionSolve, SolveFor::Rate, torsion(), "0.0000", "1.0877"},
    {"TorsionLoad", standard::torsionSolve, SolveFor::Load, torsion(), "0.0000", "4.8945"},
    {"TorsionWireDiameter", standard::torsionSolve, SolveFor::WireDiameter, torsion(), "0.00", "2.00"},
    {"TorsionMeanDiameter", standard::torsionSolve, SolveFor::MeanDiameter, torsion(), "0.00", "16.00"},
    {"TorsionActiveCoils", standard::torsionSolve, SolveFor::ActiveCoils, torsion(), "0.00", "5.00"},
    {"TorsionNoAngle", standard::torsionSolve, SolveFor::WireDiameter, torsion(0), "0.00", nullptr},
    {"TorsionNegativeLoad", standard::torsionSolve, SolveFor::WireDiameter, torsion(90, -4.8945f), "0.00",
     nullptr},

    {"ExtensionRate", standard::extensionSolve, SolveFor::Rate, extension(), "0.0000", "0.1953"},
    {"ExtensionLoad", standard::extensionSolve, SolveFor::Load, extension(), "0.0000", "2.4440"},
    {"ExtensionWireDiameter", standard::extensionSolve, SolveFor::WireDiameter, extension(), "0.00", "1.00"},
    {"ExtensionActiveCoils", standard::extensionSolve, SolveFor::ActiveCoils, extension(), "0.00", "10.00"},
    {"ExtensionMeanDiameter", standard::extensionSolve, SolveFor::MeanDiameter, extension(), "0.00", "8.00"},
    {"ExtensionShortStretch", standard::extensionSolve, SolveFor::MeanDiameter, extension(31), "0.00",
     "4.65"},
    {"ExtensionNoStretch", standard::extensionSolve, SolveFor::MeanDiameter, extension(30), "0.00", nullptr},
    {"ExtensionThreeRealRoots", standard::extensionSolve, SolveFor::MeanDiameter, extension(30.01f), "0.00",
     nullptr},
    {"ExtensionCompressed", standard::extensionSolve, SolveFor::MeanDiameter, extension(20), "0.00", nullptr},
    {"ExtensionLoadBelowInitialTension", standard::extensionSolve, SolveFor::ActiveCoils, extension(40, 0.4f),
     "0.00", "-214.92"},
    {"ExtensionNoDeflectionCoils", standard::extensionSolve, SolveFor::ActiveCoils, extension(30), "0.00",
     "0.00"},
};

class StandardFormula : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(StandardFormula, ShowsTheWorkedResultOrFaults) {
    const FormulaCase& c = GetParam();
    if (!c.shown) {
        EXPECT_THROW(c.solve(c.target, c.q), num::CalcFault);
        return;
    }
    const float result = c.solve(c.target, c.q);
    EXPECT_EQ(num::format(double(result), QString::fromLatin1(c.pattern)).toStdString(),
              std::string(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Examples, StandardFormula, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtensionCardano, KeepsEveryIntermediateOfTheWorkedExample) {
    const standard::CardanoSteps s = standard::extensionMeanDiameter(extension());
    EXPECT_FLOAT_EQ(s.p, -12.854337f);
    EXPECT_FLOAT_EQ(s.q, -409.16531f);
    EXPECT_FLOAT_EQ(s.h, 204.58266f);
    EXPECT_FLOAT_EQ(float(s.rootDelta), 204.39031f);
    EXPECT_FLOAT_EQ(s.a, 408.97296f);
    EXPECT_FLOAT_EQ(s.b, 0.1923478f);
    EXPECT_FLOAT_EQ(s.meanDiameter, 7.9999986f);
}

TEST(ExtensionCardano, NegativeDiscriminantAndNegativeBaseStopTheSteps) {
    // H1 30.01: Δ = -78.62, three real roots, no spring.
    EXPECT_THROW(standard::extensionMeanDiameter(extension(30.01f)), num::CalcFault);
    // H1 20: A = -0.1923478, the cube root of a negative base.
    EXPECT_THROW(standard::extensionMeanDiameter(extension(20)), num::CalcFault);
    // A negative load makes B negative.
    EXPECT_THROW(standard::extensionMeanDiameter(extension(40, -2.444f)), num::CalcFault);
}

TEST(TorsionRate, WithoutLegsIsTheCoilTermAlone) {
    Quantities q = torsion();
    q.supportLeg = 0;
    q.forceLeg = 0;
    const double expected = 16.0 * 21000 / (3667.0 * 16 * 5);
    EXPECT_FLOAT_EQ(standard::torsionSolve(SolveFor::Rate, q), float(expected));
}

} // namespace
