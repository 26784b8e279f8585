// Elliptical-section torsion spring: the worked examples against the core and in the window,
// the angle's own message and the faults.
#include "calc/sections/EllipticalSectionTorsion.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "support/WindowCases.h"

#include <cmath>

namespace {

using ellipticaltorsion::Inputs;

// The core alone: inputs as the window passes them (E from the material) and the three results
// as the window shows them; nullptr for a result not reached, which a fault leaves behind.
struct CoreCase {
    const char* name;
    Inputs inputs;
    const char* rate;   // N.mm per degree, "0.000000"
    const char* torque; // N.mm, "0.00"
    const char* force;  // N, "0.00"
};

void PrintTo(const CoreCase& c, std::ostream* os) {
    *os << c.name;
}

// E = 21000 (the first material), a = 1, b = 2, D = 10, n = 5, angle 90, arm 20.
constexpr Inputs kCore{
    .e = 21000, .axisA = 1, .axisB = 2, .meanDiameter = 10, .coils = 5, .angle = 90, .arm = 20};

Inputs changed(Inputs in, double Inputs::*field, double value) {
    in.*field = value;
    return in;
}

const CoreCase kCoreCases[] = {
    // T' = 0.228883 kgf.mm per degree, M1 = 20.5995 kgf.mm, F = 1.02997 kgf.
    {"FirstMaterial", kCore, "2.243052", "201.87", "10.09"},
    {"DoubleBDoublesAll", changed(kCore, &Inputs::axisB, 4), "4.486104", "403.75", "20.19"},
    {"DoubleAMultipliesAllByEight", changed(kCore, &Inputs::axisA, 2), "17.944414", "1615.00", "80.75"},
    {"DoubleArmHalvesTheForceOnly", changed(kCore, &Inputs::arm, 40), "2.243052", "201.87", "5.05"},
    {"PhosphorBronze", changed(kCore, &Inputs::e, 10000), "1.068120", "96.13", "4.81"},
    {"MaterialNotListed", changed(kCore, &Inputs::e, 0), "0.000000", "0.00", "0.00"},
    {"NoMeanDiameter", changed(kCore, &Inputs::meanDiameter, 0), nullptr, nullptr, nullptr},
    {"NoCoils", changed(kCore, &Inputs::coils, 0), nullptr, nullptr, nullptr},
    {"NoArm", changed(kCore, &Inputs::arm, 0), "2.243052", "201.87", nullptr},
};

class EllipticalTorsionCore : public ::testing::TestWithParam<CoreCase> {};

void expectShown(double value, const char* pattern, const char* expected, const char* result) {
    if (!expected)
        EXPECT_TRUE(std::isnan(value)) << result << " was reached: " << value;
    else if (std::isnan(value))
        ADD_FAILURE() << result << " was not reached";
    else
        EXPECT_EQ(num::format(value, QString::fromLatin1(pattern)), QString::fromLatin1(expected)) << result;
}

TEST_P(EllipticalTorsionCore, ResultsAsTheWindowShowsThem) {
    const CoreCase& c = GetParam();
    ellipticaltorsion::Results r;
    bool faulted = false;
    try {
        ellipticaltorsion::compute(c.inputs, r);
    } catch (const num::CalcFault&) {
        faulted = true;
    }
    // The force is the last step: only a fault leaves it unreached.
    EXPECT_EQ(faulted, c.force == nullptr);
    expectShown(r.rateN, "0.000000", c.rate, "rate");
    expectShown(r.torqueN, "0.00", c.torque, "torque");
    expectShown(r.forceN, "0.00", c.force, "force");
}

INSTANTIATE_TEST_SUITE_P(Form85, EllipticalTorsionCore, ::testing::ValuesIn(kCoreCases), caseName<CoreCase>);

const std::vector<ControlText> kSpring = {{"Text1_0", "1"}, {"Text1_1", "2"},  {"Text1_2", "10"},
                                          {"Text1_3", "5"}, {"Text1_4", "90"}, {"Text1_5", "20"}};

const WindowCase kExamples[] = {
    {"SpringSteel",
     "Form85",
     kSpring,
     {{"Text1_7", "2.243052"}, {"Text1_8", "201.87"}, {"Text1_9", "10.09"}}},
    {"DoubleB",
     "Form85",
     with(kSpring, {{"Text1_1", "4"}}),
     {{"Text1_7", "4.486104"}, {"Text1_8", "403.75"}, {"Text1_9", "20.19"}}},
    {"DoubleA",
     "Form85",
     with(kSpring, {{"Text1_0", "2"}}),
     {{"Text1_7", "17.944414"}, {"Text1_8", "1615.00"}, {"Text1_9", "80.75"}}},
    {"DoubleArm",
     "Form85",
     with(kSpring, {{"Text1_5", "40"}}),
     {{"Text1_7", "2.243052"}, {"Text1_8", "201.87"}, {"Text1_9", "5.05"}}},
    {"PhosphorBronze", "Form85", with(kSpring, {{"Combo1", "磷青铜线 PBW"}}), {{"Text1_7", "1.068120"}}},
    {"UnknownMaterial",
     "Form85",
     with(kSpring, {{"Combo1", "x"}}),
     {{"Text1_7", "0.000000"}, {"Text1_8", "0.00"}, {"Text1_9", "0.00"}}},
};
INSTANTIATE_TEST_SUITE_P(Form85, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"AllEmpty", "Form85", {}, 1672},
    {"AngleNamedByItsLongCaption", "Form85", with(kSpring, {{"Text1_4", ""}}), 1670, "Command1", {"Text1_7"}},
    {"Arm", "Form85", with(kSpring, {{"Text1_5", ""}}), 1669},
};
INSTANTIATE_TEST_SUITE_P(Form85, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form85Test : public FormTest {};

TEST_F(Form85Test, FaultsStopAtTheirStep) {
    FormBase* f = open(QStringLiteral("Form85"));
    for (const char* box : {"Text1_7", "Text1_8", "Text1_9"})
        f->setText(QString::fromLatin1(box), QStringLiteral("old"));
    typeAll(f, with(kSpring, {{"Text1_5", "0"}}));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_8")), QStringLiteral("201.87"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_9")), QStringLiteral("old"));

    prompts().clear();
    typeAll(f, with(kSpring, {{"Text1_2", "0"}}));
    f->setText(QStringLiteral("Text1_7"), QStringLiteral("old"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text(QStringLiteral("Text1_7")), QStringLiteral("old"));
    expectNoNonFinite(f);
}

TEST_F(Form85Test, ResetKeepsTheMaterial) {
    FormBase* f = open(QStringLiteral("Form85"));
    typeAll(f, with(kSpring, {{"Combo1", "17-7"}}));
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    for (const char* name : {"Text1_0", "Text1_5", "Text1_7", "Text1_9"})
        EXPECT_EQ(f->text(QString::fromLatin1(name)), QString()) << name;
    EXPECT_EQ(f->text(QStringLiteral("Combo1")), QStringLiteral("17-7"));
    EXPECT_EQ(f->text(QStringLiteral("Label1_12")), QStringLiteral("N.mm/°"));
}

} // namespace
