// The mine-car buffer spring designer: its worked example, the whole-millimetre wire, the
// safety verdict that always reads OK, required fields, faults that change nothing, reset and
// the design report.

#include "DesignerTest.h"

namespace {

class Form128Test : public DesignerTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form128")); }
};

const WindowCase kExamples[] = {
    {"Defaults", "Form128", {}, {{"Text2", "1260.689"}, {"Text3", "1335.708"}, {"Text4", "50.000"},
                                 {"Text5", "22.6"},     {"Text6", "96.0"},     {"Text7", "129.0"},
                                 {"Text14", "74.60"},   {"Text8", "16.0"},     {"Text9", "48.0"},
                                 {"Text10", "64.0"},    {"Text11", "80.0"},    {"Text12", "5.0"},
                                 {"Text13", "6.5"},     {"Text15", "1.01"},    {"Label32", "OK"},
                                 {"Label27", "16.0"},   {"Label25", "64.0"},   {"Label26", "129.0"},
                                 {"Label28", "22.6"},   {"Label29", "80.0"}}},
    // Nothing moving: no force, the smallest wire of 1 mm and still a complete design.
    {"StandingCars",
     "Form128",
     {{"Text1_6", "0"}},
     {{"Text2", "0.000"}, {"Text8", "1.0"}, {"Text15", "1.01"}, {"Label32", "OK"}}},
    // Whatever the inputs, the safety factor is 1.6^2 * 3.1416 / 8 = 1.0053.
    {"OtherIndexAndSpeedStillOk",
     "Form128",
     {{"Text1_2", "8"}, {"Text1_6", "2"}, {"Text1_3", "60"}},
     {{"Text15", "1.01"}, {"Label32", "OK"}}},
};
INSTANTIATE_TEST_SUITE_P(Form128, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

TEST_F(Form128Test, MissingIndexIsNamedAsTheTurnsRatio) {
    FormBase* f = form();
    type(f, "Text1_2", "");
    type(f, "Text1_5", "");
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("请输入旋绕比C"));
    EXPECT_EQ(prompts().requests.first().icon, PromptIcon::Information);
    EXPECT_EQ(f->text("Text8"), "");
}

TEST_F(Form128Test, ResetKeepsVerdictAndSketchThenAsksForTheEmptyCar) {
    FormBase* f = form();
    click(f, "Command1");
    click(f, "Command4");
    expectInputsAndResultsEmpty(f, 6, 15);
    expectTexts(f, {{"Label32", "OK"}, {"Label26", "129.0"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("请输入空车重量Q1："));
}

class Form128Fault : public Form128Test, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Form128Fault, ShowsInputErrorAndChangesNothing) {
    const FaultCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    for (const char* box : {"Text2", "Text8", "Text15", "Label32", "Label26"})
        type(f, box, "earlier");
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    expectTexts(f, {{"Text2", "earlier"},
                    {"Text8", "earlier"},
                    {"Text15", "earlier"},
                    {"Label32", "earlier"},
                    {"Label26", "earlier"}});
}

const FaultCase kFaults[] = {
    {"IndexOne", "Form128", {{"Text1_2", "1"}}},
    {"IndexZero", "Form128", {{"Text1_2", "0"}}},
    {"NoDeflection", "Form128", {{"Text1_5", "0"}}},
    {"ZeroAllowableStress", "Form128", {{"Text1_3", "0"}}},
    {"IndexBelowOneMakesARootNegative", "Form128", {{"Text1_2", "0.9"}}},
    {"ZeroShearModulus", "Form128", {{"Text1_4", "0"}}},
};
INSTANTIATE_TEST_SUITE_P(Inputs, Form128Fault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

const char* const kReportZhCN[] = {
    "---------------------矿车碰撞弹簧设计方案-------------------",
    "",
    "1.输入参数：",
    "",
    "空车重量Q1：720kg",
    "满载重量Q2：2700kg",
    "试选旋绕比 C：4",
    "平均许用切应力：75kg/mm2",
    "切变模量G：8000kg/mm2",
    "碰撞弹簧总变形：25mm",
    "碰撞时相对速度：0.85m/s",
    "",
    "",
    "2.计算结果：",
    "",
    "弹簧受力 P：1260.689kg",
    "弹簧允许受力Pmax：1335.708kg",
    "弹簧刚度K：50.000kg/mm",
    "弹簧节距t≈：22.6mm",
    "压并高度 Hs：96.0mm",
    "自由高度H0：129.0mm",
    "应力 τmax：74.60kg/mm2",
    "钢丝直径d≈：16.0mm",
    "内径D1：48.0mm",
    "中径D：64.0mm",
    "外径D2：80.0mm",
    "有效圈数n≈：5.0T",
    "总圈数n1：6.5T",
    "安全系数 S：1.01",
    "",
    "",
};

const char* const kReportEnUS[] = {
    "---------------------car collision spring design-------------",
    "",
    "1. The input parameters:",
    "",
    "Empty weight720kg",
    "Full weight2700kg",
    "Pilot spring index4",
    "Average allowable shear stress:75kg/mm2",
    "Modulus G8000kg/mm2",
    "Collision Sp deformation25mm",
    "Collision relative velocity0.85m/s",
    "",
    "",
    "2. The calculation results:",
    "",
    "Spring force1260.689kg",
    "Spring allowed stress1335.708kg",
    "Rate:50.000kg/mm",
    "Spring Pitch22.6mm",
    "Pressure and height96.0mm",
    "Free Hight:129.0mm",
    "Stress τmax74.60kg/mm2",
    "Wire Dia16.0mm",
    "I.D.Diameter48.0mm",
    "Mean Diameter64.0mm",
    "O.D.Diameter80.0mm",
    "Effective number coil5.0T",
    "Total Coils:6.5T",
    "Safety coefficient1.01",
    "",
    "",
};

TEST_F(Form128Test, ReportOfTheDefaultDesignInChinese) {
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportZhCN));
}

TEST_F(Form128Test, ReportOfTheDefaultDesignInEnglish) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportEnUS));
}

TEST_F(Form128Test, ReportBeforeAnyCalculationHasEmptyResults) {
    FormBase* f = form();
    const QStringList written = saveReport(f).split("\r\n");
    ASSERT_GT(written.size(), 28);
    EXPECT_EQ(written[4], QString::fromUtf8("空车重量Q1：720kg"));
    EXPECT_EQ(written[15], QString::fromUtf8("弹簧受力 P：kg"));
    EXPECT_EQ(written[28], QString::fromUtf8("安全系数 S："));
}

TEST_F(Form128Test, SavingTwiceToOneNameKeepsTheSecondReport) {
    FormBase* f = form();
    const QString before = saveReport(f);
    click(f, "Command1");
    const QString after = saveReport(f);
    EXPECT_NE(before, after);
    EXPECT_TRUE(after.contains(QString::fromUtf8("钢丝直径d≈：16.0mm")));
    EXPECT_EQ(QString::fromUtf8(fileBytes(dir.filePath("design.txt"))), after);
}

} // namespace
