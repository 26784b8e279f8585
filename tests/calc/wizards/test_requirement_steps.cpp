// Step 1 of the three wizards: the first ticks with the design defaults, the load class through
// the window, what an empty or unreadable input does, and the report it starts.

#include "WizardTest.h"

namespace {

struct FirstTick {
    const char* name;
    const char* window;
    std::vector<ControlText> typed;
    std::vector<ControlText> expected;
};

class RequirementFirstTick : public WizardTest, public ::testing::WithParamInterface<FirstTick> {};

TEST_P(RequirementFirstTick, ShowsDerivedValues) {
    const FirstTick& c = GetParam();
    FormBase* step = open(QString::fromLatin1(c.window));
    ASSERT_NE(step, nullptr);
    typeAll(step, c.typed);
    tick(step);
    expectTexts(step, c.expected);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

const FirstTick kFirstTicks[] = {
    {"CompressionDefaults", "Form91", {}, {{"Text1_4", "22.00"}, {"Text2_1", "II"}}},
    {"ExtensionDefaults", "Form100", {}, {{"Text1_3", "9.67"}, {"Text1_4", "625.00"}, {"Text2_1", "II"}}},
    {"TorsionDefaults",
     "Form109",
     {},
     {{"Text1_4", "40.0"}, {"Text1_5", "25.0"}, {"Text1_6", "75.0"}, {"Text2_1", "III"}}},
    {"Cycles999", "Form91", {{"Text2_0", "999"}}, {{"Text2_1", "III"}}},
    {"Cycles1000", "Form91", {{"Text2_0", "1000"}}, {{"Text2_1", "II"}}},
    {"Cycles99999", "Form100", {{"Text2_0", "99999"}}, {{"Text2_1", "II"}}},
    {"Cycles100000", "Form109", {{"Text2_0", "100000"}}, {{"Text2_1", "I"}}},
    {"CyclesJustBelow100000ReadAsSingle", "Form91", {{"Text2_0", "99999.9995"}}, {{"Text2_1", "I"}}},
    {"FallingLoadGivesNegativeRate",
     "Form91",
     {{"Text1_0", "420"}, {"Text1_2", "200"}},
     {{"Text1_4", "-22.00"}}},
    // An input of blanks only counts as filled; it does not read as a number, so the tick ends.
    {"BlanksEndTheTick", "Form91", {{"Text1_3", "  "}}, {{"Text1_4", ""}, {"Text2_1", ""}}},
    {"ZeroStrokeEndsTheTick", "Form100", {{"Text1_2", "0"}}, {{"Text1_3", "10"}, {"Text2_1", "Ⅱ"}}},
    // K1' = 0 is shown; the angles divide by it and end the tick.
    {"EqualTorquesEndTheTick", "Form109", {{"Text1_1", "1000"}}, {{"Text1_4", "0.0"}, {"Text1_5", ""}}},
};
INSTANTIATE_TEST_SUITE_P(Wizard, RequirementFirstTick, ::testing::ValuesIn(kFirstTicks), caseName<FirstTick>);

TEST_F(WizardTest, RequirementTickStoresTheSharedVariables) {
    FormBase* step = open(QStringLiteral("Form109"));
    tick(step);
    const wizard::State& s = wizard::state;
    EXPECT_EQ(s.torsInstalledTorque, 1000.0f);
    EXPECT_EQ(s.torsWorkingTorque, 3000.0f);
    EXPECT_EQ(s.torsDeflectionAngle, 50.0f);
    EXPECT_EQ(s.torsFreeAngle, 120.0f);
    EXPECT_EQ(s.torsLoadCycles, 100.0f);
    EXPECT_EQ(s.torsRequiredRate, 40.0f);
    EXPECT_EQ(s.torsInstalledAngle, 25.0f);
    EXPECT_EQ(s.torsWorkingAngle, 75.0f);
    EXPECT_EQ(s.torsLoadClass, QStringLiteral("III"));
    EXPECT_TRUE(s.torsReport1.isEmpty()); // only Confirm writes the report
}

TEST_F(WizardTest, EmptiedInputFreezesOutputsAndVariablesUntilRetyped) {
    FormBase* step = open(QStringLiteral("Form91"));
    tick(step);
    type(step, QStringLiteral("Text1_2"), QString());
    type(step, QStringLiteral("Text1_0"), QStringLiteral("100"));
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_4")), QStringLiteral("22.00"));
    EXPECT_EQ(wizard::state.compInstalledLoad, 200.0f);
    type(step, QStringLiteral("Text1_2"), QStringLiteral("420"));
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_4")), QStringLiteral("32.00"));
    EXPECT_EQ(wizard::state.compInstalledLoad, 100.0f);
}

TEST_F(WizardTest, CompressionRequirementReportLineByLine) {
    open(QStringLiteral("Form90"));
    FormBase* step = open(QStringLiteral("Form91"));
    tick(step);
    click(step, QStringLiteral("Command1"));
    const QStringList expected = {
        QStringLiteral("           --------压缩弹簧设计报告--------"),
        QString(),
        QString(),
        QStringLiteral("一、设计要求："),
        QString(),
        QStringLiteral("    安装载荷(要求) F1'=200 (N)"),
        QStringLiteral("    安装高度       H1='56 (mm)"),
        QStringLiteral("    工作载荷(要求) F2'=420 (N)"),
        QStringLiteral("    工作行程       h=10 (mm)"),
        QStringLiteral("    要求刚度       k'=22.00 (N/mm)"),
        QStringLiteral("    载荷作用次数   N=10000(次)"),
        QStringLiteral("    载荷类型       NType=II"),
        QString(),
    };
    EXPECT_EQ(lines(wizard::state.compReport1), expected);
    EXPECT_EQ(hub(QStringLiteral("Form90"))->report(), wizard::state.compReport1);
}

TEST_F(WizardTest, ExtensionReportBeforeTheFirstTickCarriesTheDesignTexts) {
    FormBase* step = open(QStringLiteral("Form100"));
    click(step, QStringLiteral("Command1"));
    const QStringList report = lines(wizard::state.extReport1);
    EXPECT_EQ(report.value(8), StringTable::text(2307) + QStringLiteral("10 (N/mm)"));
    EXPECT_EQ(report.value(9), StringTable::text(2378) + QStringLiteral(" (N)"));
    EXPECT_EQ(report.value(11), StringTable::text(2309) + QStringLiteral("Ⅱ"));
    // The hub, closed until now, was loaded hidden and offers step 2.
    ASSERT_NE(hub(QStringLiteral("Form99")), nullptr);
    EXPECT_TRUE(hub(QStringLiteral("Form99"))->stepOffered(2));
}

TEST_F(WizardTest, TorsionReportAngleLinesInEnglish) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* step = open(QStringLiteral("Form109"));
    tick(step);
    click(step, QStringLiteral("Command1"));
    const QString report = wizard::state.torsReport1;
    EXPECT_TRUE(
        report.startsWith(QStringLiteral("--------torsional spring design report-------\r\n\r\n\r\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("    deformation angle50degree \r\n\r\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("Request stiffness k' = \r\n\r\n40.0N.mm/degree \r\n\r\n")));
    EXPECT_TRUE(report.endsWith(QStringLiteral("    Load type NType =III\r\n")));
}

} // namespace
