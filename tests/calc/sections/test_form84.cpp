// Hourglass spring: the rate formula, the window's examples, the verdict label and the sketch.
#include "support/WindowCases.h"

#include "calc/sections/HourglassSpring.h"
#include "common/CheckedMath.h"

namespace {

TEST(HourglassSpringRate, EqualRadiiGiveTheCylindricalRate) {
    // G d^4 / (8 D^3 n) with D = 5.2
    const double cylindrical = 8000 * std::pow(0.8, 4) / (8 * std::pow(5.2, 3) * 6);
    EXPECT_NEAR(hourglass::springRate(8000, 0.8, 6, 2.6, 2.6), cylindrical, 1e-12);
    EXPECT_THROW(hourglass::springRate(8000, 0.8, 0, 2.6, 4), num::CalcFault);
    EXPECT_THROW(hourglass::springRate(8000, 0.8, 6, 0, 0), num::CalcFault);
}

const WindowCase kExamples[] = {
    {"Defaults",
     "Form84",
     {},
     {{"Text1_6", "1.64"},
      {"Text1_7", "4.93"},
      {"Text1_8", "0.50"},
      {"Text1_9", "8.63"},
      {"Label3", "8.63"},
      {"Text1_10", "75.18"},
      {"Label11", "75.18"},
      {"Label1_7", "   压力F1："}}},
    {"WorkingLoadBeyondContact",
     "Form84",
     {{"Text1_5", "10"}},
     {{"Text1_6", "1.64"},
      {"Text1_7", "11.49"},
      {"Text1_8", "1.17"},
      {"Text1_9", "8.63"},
      {"Text1_10", "75.18"},
      {"Label1_7", "压力F1大于："}}},
    {"Cylindrical",
     "Form84",
     {{"Text1_2", "6"}},
     {{"Text1_6", "4.76"}, {"Text1_9", "75.18"}, {"Text1_10", "75.18"}}},
    {"UnknownMaterial",
     "Form84",
     {{"Combo1", "unobtainium"}},
     {{"Text1_6", "0.00"},
      {"Text1_7", "0.00"},
      {"Text1_9", "0.00"},
      {"Text1_10", "0.00"},
      {"Label1_7", "   压力F1："}}},
    {"HalfReadAsOne", "Form84", {{"Text1_3", "12/2"}}, {{"Text1_6", "0.82"}}},
};
INSTANTIATE_TEST_SUITE_P(Form84, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const std::vector<ControlText> kAllEmpty = {{"Text1_0", ""}, {"Text1_1", ""}, {"Text1_2", ""},
                                            {"Text1_3", ""}, {"Text1_4", ""}, {"Text1_5", ""}};
const RequiredCase kRequired[] = {
    {"AllEmpty", "Form84", kAllEmpty, 1333},
    {"WaistDiameter", "Form84", {{"Text1_1", ""}}, 1520},
    {"WorkingHeight", "Form84", {{"Text1_5", ""}}, 1680, "Command1", {"Text1_6"}},
};
INSTANTIATE_TEST_SUITE_P(Form84, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

class Form84Test : public FormTest {};

TEST_F(Form84Test, FaultsKeepTheBoxesWrittenBefore) {
    FormBase* f = open(QStringLiteral("Form84"));
    // D2 = d: the end radius is 0, so the rate's denominator is 35 R1^2 * 0 + ... > 0, but the
    // closing load of the end coils divides by zero.
    f->setText(QStringLiteral("Text1_2"), QStringLiteral("0.8"));
    f->setText(QStringLiteral("Text1_9"), QStringLiteral("old"));
    f->setText(QStringLiteral("Label1_7"), QStringLiteral("verdict"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_NE(f->text(QStringLiteral("Text1_8")), QString());
    EXPECT_EQ(f->text(QStringLiteral("Text1_9")), QStringLiteral("old"));
    EXPECT_EQ(f->text(QStringLiteral("Label3")), QStringLiteral("Fz"));
    EXPECT_EQ(f->text(QStringLiteral("Label1_7")), QStringLiteral("verdict"));
    expectNoNonFinite(f);

    prompts().clear();
    f->setText(QStringLiteral("Text1_2"), QStringLiteral("11.5"));
    f->setText(QStringLiteral("Text1_3"), QStringLiteral("0"));
    click(f, QStringLiteral("Command1"));
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
}

TEST_F(Form84Test, ResetEmptiesTheElevenBoxesOnly) {
    FormBase* f = open(QStringLiteral("Form84"));
    click(f, QStringLiteral("Command1"));
    click(f, QStringLiteral("Command2"));
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), QString()) << i;
    EXPECT_EQ(f->text(QStringLiteral("Label3")), QStringLiteral("8.63"));
    EXPECT_EQ(f->text(QStringLiteral("Label1_7")), StringTable::text(2268));
    EXPECT_EQ(f->comboBox(QStringLiteral("Combo1"))->count(), 25);
}

} // namespace
