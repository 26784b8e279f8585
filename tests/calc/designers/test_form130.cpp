// The extension spring designer: its worked examples verdict for verdict, the rounding of the
// proposed wire diameter, required fields, faults that keep earlier verdicts, reset and the
// design report.

#include "DesignerTest.h"

#include "common/Numbers.h"
#include "common/SpringChecks.h"
#include "common/SpringDesign.h"

#include <QDir>
#include <cmath>
#include <utility>

namespace {

class Form130Test : public DesignerTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form130")); }
};

const WindowCase kExamples[] = {
    {"DefaultsWithProposedDiameter",
     "Form130",
     {},
     {{"Text8", "3.20"},     {"Text10", "17.60"},  {"Text9", "14.40"},  {"Text11", "20.80"},
      {"Text12", "12.00"},   {"Text5", "15.83"},   {"Text2", "61.29"},  {"Text13", "107.18"},
      {"Label17", "Mpa OK"}, {"Text3", "672.00"},  {"Text4", "382.27"}, {"Text14", "594.53"},
      {"Text15", "1.01"},    {"Label32", "OK"},    {"Text7", "70.40"},  {"Text16", "0.4"},
      {"Label12_1", "Ok"},   {"Label26", "70.40"}, {"Label27", "3.20"}, {"Label25", "20.80"},
      {"Text6", ""}}},
    {"DefaultsWithChosenDiameter",
     "Form130",
     {{"Text6", "3.5"}},
     {{"Text8", "3.50"},
      {"Text12", "13.00"},
      {"Text5", "15.98"},
      {"Text2", "60.15"},
      {"Text13", "87.92"},
      {"Text4", "457.31"},
      {"Text14", "496.98"},
      {"Text15", "1.21"},
      {"Text7", "80.50"},
      {"Text16", "0.3"},
      {"Text6", "3.5"}}},
    // Proposed 7.014 rounds to 7.0 and stays; 7.142 rounds to 7.1 and becomes 8.
    {"ProposalRoundingToSevenStays", "Form130", {{"Text1_6", "1640"}}, {{"Text8", "7.00"}}},
    {"ProposalRoundingAboveSevenStepsUp", "Form130", {{"Text1_6", "1700"}}, {{"Text8", "8.00"}}},
    // A falling load with a growing extension gives a negative rate (k = -8.42, quotient
    // -11.98): the coil count and the rate follow it and are shown as computed.
    {"NoPlausibilityGuard",
     "Form130",
     {{"Text1_6", "100"}},
     {{"Text8", "1.70"}, {"Text12", "-11.00"}, {"Text5", "-9.17"}}},
};
INSTANTIATE_TEST_SUITE_P(Form130, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

TEST_F(Form130Test, ProposedDiameterOnAHalfGoesToTheEvenDigit) {
    // Find a load P2 for which the trial diameter, as a single, is exactly 3.25.
    const double k = springchecks::wahlFactor(5.5);
    float load = 351.0f;
    for (int step = 0; step < 100000; ++step) {
        if (num::single(springdesign::trialWireDiameter(load, k, 5.5, 600)) >= 3.25f)
            break;
        load = std::nextafter(load, 1000.0f);
    }
    ASSERT_EQ(num::single(springdesign::trialWireDiameter(load, k, 5.5, 600)), 3.25f);
    FormBase* f = form();
    type(f, "Text1_6", num::text(load));
    click(f, "Command1");
    EXPECT_EQ(f->text("Text8"), "3.20");
}

class Form130Required : public Form130Test, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(Form130Required, FirstEmptyFieldIsNamedAndNothingChanges) {
    const RequiredCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(c.captionId));
    EXPECT_EQ(prompts().requests.first().title, QString::fromUtf8("提示"));
    EXPECT_EQ(prompts().requests.first().icon, PromptIcon::Information);
    expectTexts(f, {{"Text8", ""}, {"Label17", "Mpa"}, {"Label12_1", "?"}, {"Label32", "?"}});
}

const RequiredCase kRequired[] = {
    {"ShearModulus", "Form130", {{"Text1_0", ""}, {"Text1_3", ""}}, 1567},
    {"AllowableStress", "Form130", {{"Text1_1", ""}}, 1993},
    {"SpringIndex", "Form130", {{"Text1_2", ""}}, 1419},
    {"FirstExtension", "Form130", {{"Text1_3", ""}}, 2144},
    {"FirstLoad", "Form130", {{"Text1_4", ""}}, 2147},
    {"SecondExtension", "Form130", {{"Text1_5", ""}}, 2145},
    {"SecondLoad", "Form130", {{"Text1_6", ""}}, 2148},
};
INSTANTIATE_TEST_SUITE_P(Fields, Form130Required, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

// The messages above as the user reads them, caption by caption.
TEST_F(Form130Test, RequiredMessagesReadInFull) {
    const std::pair<int, const char*> messages[] = {
        {1567, "请输入横弹性系数G："},  {1993, "请输入许用剪应力："}, {1419, "请输入旋绕比C"},
        {2144, "请输入拉伸变形量L1："}, {2147, "请输入拉力 P1："},    {2145, "请输入拉伸变形量L2："},
        {2148, "请输入拉力 P2："}};
    for (const auto& [captionId, message] : messages)
        EXPECT_EQ(StringTable::text(1383) + StringTable::text(captionId), QString::fromUtf8(message))
            << captionId;
}

TEST_F(Form130Test, BlankIsNotEmpty) {
    FormBase* f = form();
    type(f, "Text1_4", " "); // reads 0
    click(f, "Command1");
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(f->text("Text8"), "3.20");
}

// A faulty run's row names the verdicts it leaves as the row's expected texts.
class Form130Fault : public Form130Test, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(Form130Fault, ShowsInputErrorAndKeepsEarlierResults) {
    const WindowCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    type(f, "Text6", "3.5");
    click(f, "Command1"); // a first design whose results must survive the faulty one
    type(f, "Text6", "");
    prompts().clear();
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("输入有错误!"));
    EXPECT_EQ(prompts().requests.first().icon, PromptIcon::Information);
    expectTexts(f, {{"Text8", "3.50"}, {"Text7", "80.50"}, {"Text16", "0.3"}, {"Label26", "80.50"}});
    expectTexts(f, c.expected);
}

const WindowCase kFaults[] = {
    {"ChosenDiameterNotANumber", "Form130", {{"Text6", "abc"}}, {{"Label17", "Mpa OK"}, {"Label32", "OK"}}},
    {"ZeroChosenDiameter", "Form130", {{"Text6", "0"}}, {{"Label17", "Mpa OK"}}},
    {"IndexOne", "Form130", {{"Text1_2", "1"}}, {{"Label12_1", "Ok"}}},
    {"IndexBelowOneMakesARootNegative", "Form130", {{"Text1_2", "0.9"}}, {{"Label32", "OK"}}},
    {"EqualExtensions", "Form130", {{"Text1_5", "7.5"}}, {{"Label12_1", "Ok"}}},
    {"ZeroAllowableStressWithoutChosenDiameter", "Form130", {{"Text1_1", "0"}}, {{"Label32", "OK"}}},
    // G = 0: the initial-stress limit is 0, so NG is shown before the check extension divides by G.
    {"ZeroShearModulus", "Form130", {{"Text1_0", "0"}}, {{"Label17", "Mpa NG"}, {"Label12_1", "Ok"}}},
};
INSTANTIATE_TEST_SUITE_P(Inputs, Form130Fault, ::testing::ValuesIn(kFaults), caseName<WindowCase>);

TEST_F(Form130Test, ResetEmptiesFieldsAndKeepsVerdictsAndEchoes) {
    FormBase* f = form();
    type(f, "Text6", "3.5");
    click(f, "Command1");
    click(f, "Command4");
    expectInputsAndResultsEmpty(f, 6, 16);
    expectTexts(f, {{"Label17", "Mpa OK"},
                    {"Label12_1", "Ok"},
                    {"Label32", "OK"},
                    {"Label25", "22.75"},
                    {"Label26", "80.50"},
                    {"Label27", "3.50"}});
    // A report now has empty values beside the old verdicts.
    const QStringList lines = saveReport(f).split("\r\n");
    ASSERT_GT(lines.size(), 28);
    EXPECT_EQ(lines[17], QString::fromUtf8("初应力τ0Mpa OK"));
    EXPECT_EQ(lines[28], QString::fromUtf8("弹簧特性校核Ok"));
    EXPECT_EQ(lines[4], QString::fromUtf8("切变模量G：N/mm2"));
}

const char* const kReportZhCN[] = {
    "---------------------圆柱螺旋拉伸弹簧设计方案-------------------",
    "",
    "1.输入参数：",
    "",
    "切变模量G：79000N/mm2",
    "许用剪应力：600Mpa",
    "试选旋绕比 C：5.5",
    "拉伸变形量L1：7.5mm",
    "拉力 P1：180N",
    "拉伸变形量L2：17mm",
    "拉力 P2：340N",
    "",
    "",
    "2.计算结果：",
    "",
    "弹簧刚度K：15.83N/mm",
    "拉簧初拉力P0：61.29N",
    "初应力τ0107.18Mpa OK",
    "极限应力τlim672.00Mpa",
    "极限载荷：382.27N",
    "应力2 τmax594.53Mpa",
    "安全系数 S：1.01OK",
    "钢丝直径d≈：3.20mm",
    "内径D1：14.40mm",
    "中径D：17.60mm",
    "外径D2：20.80mm",
    "有效圈数n≈：12.00T",
    "自由高度H0≈：70.40mm",
    "弹簧特性校核0.4Ok",
    "",
    "",
};

const char* const kReportEnUS[] = {
    "---------------------Cylindrical spiral tensile spring design-------------------",
    "",
    "1. The input parameters:",
    "",
    "Modulus G79000N/mm2",
    "The average allowable shear stress: ",
    "",
    "600Mpa",
    "Pilot spring index5.5",
    "Tensile deflection7.5mm",
    "Rally P1180N",
    "Tensile deflection17mm",
    "Rally P2340N",
    "",
    "",
    "2. The calculation results:",
    "",
    "Rate:15.83N/mm",
    "Beginning rally61.29N",
    "Initial stress107.18Mpa OK",
    "Limit Stress 672.00Mpa",
    "Iimit load 382.27N",
    "Stress 2594.53Mpa",
    "Safety coefficient1.01OK",
    "Wire Dia3.20mm",
    "I.D.Diameter14.40mm",
    "Mean Diameter17.60mm",
    "O.D.Diameter20.80mm",
    "Effective number coil12.00T",
    "Free height70.40mm",
    "spring characteristic check0.4Ok",
    "",
    "",
};

TEST_F(Form130Test, ReportOfTheDefaultDesignInChinese) {
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportZhCN));
}

TEST_F(Form130Test, ReportOfTheDefaultDesignInEnglish) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportEnUS));
}

TEST_F(Form130Test, CancelWritesNothing) {
    FormBase* f = form();
    chooseFile(QString());
    click(f, "Command3");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
