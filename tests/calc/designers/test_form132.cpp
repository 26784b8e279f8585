// The torsion spring designer with tangential legs: its worked examples verdict for verdict,
// the rounding of the proposed wire diameter, the required-field message of the coil gap,
// faults, reset and the design report.

#include "DesignerTest.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <QLabel>
#include <cmath>

namespace {

class Form132Test : public DesignerTest {
protected:
    FormBase* form() { return open(QStringLiteral("Form132")); }
};

const WindowCase kExamples[] = {
    {"Defaults", "Form132", {}, {{"Text8", "2.6"},       {"Text9", "8.1"},        {"Text10", "10.7"},
                                 {"Text11", "13.3"},     {"Text12", "11.1"},      {"Text7", "3.1"},
                                 {"Text16", "21.3"},     {"Text2", "99"},         {"Text3", "3"},
                                 {"Text4", "102"},       {"Text5", "40"},         {"Label12_4", "°OK"},
                                 {"Text13", "1231.2"},   {"Label12_9", "Mpa OK"}, {"Text6", "36.9"},
                                 {"Label12_1", "mm OK"}, {"Text14", "2100.00"},   {"Label25", "35"},
                                 {"Label26", "99°"},     {"Label7", "3°"},        {"Label29", "102°"},
                                 {"Label28", "40°"},     {"Label27", "142°"},     {"Label31", "36.9"},
                                 {"Label32", "3.1"},     {"Text15", ""}}},
    {"EstimateTooLarge",
     "Form132",
     {{"Text1_8", "150"}},
     {{"Text5", "48"},
      {"Label12_4", "°NG"},
      {"Label12_9", "Mpa OK"},
      {"Label12_1", "mm OK"},
      {"Text6", "36.8"},
      {"Label27", "150°"}}},
    {"ChosenDiameter",
     "Form132",
     {{"Text15", "2.6"}},
     {{"Text8", "2.6"},
      {"Text13", "1217.0"},
      {"Label12_9", "Mpa OK"},
      {"Text6", "37.0"},
      {"Label12_1", "mm NG"},
      {"Text5", "42"},
      {"Label12_4", "°NG"}}},
    {"LargeTorqueStepsAboveSeven",
     "Form132",
     {{"Text1_2", "100"}, {"Text1_3", "2000"}},
     {{"Text8", "12.0"}, {"Label25", "100"}}},
    // d0 = 7.0000 rounds to 7.00 and stays; d0 = 7.0105 rounds to 7.01 and becomes 8.
    {"ProposalOfSevenStays", "Form132", {{"Text1_2", "100"}, {"Text1_3", "416.2"}}, {{"Text8", "7.0"}}},
    {"ProposalJustAboveSevenStepsUp",
     "Form132",
     {{"Text1_2", "100"}, {"Text1_3", "418.1"}},
     {{"Text8", "8.0"}}},
    {"NoGapBetweenCoils",
     "Form132",
     {{"Text1_6", "0"}},
     {{"Text7", "2.6"},
      {"Text12", "13.1"},
      {"Text2", "117"},
      {"Text5", "22"},
      {"Label12_4", "°NG"},
      {"Text6", "36.5"},
      {"Label12_1", "mm OK"}}},
    {"WorkingAngleWithAFractionNeverMatches",
     "Form132",
     {{"Text1_7", "40.4"}},
     {{"Text5", "40"}, {"Label12_4", "°NG"}}},
};
INSTANTIATE_TEST_SUITE_P(Form132, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

TEST_F(Form132Test, ProposedDiameterOnAHalfGoesToTheEvenDigit) {
    // Find a load for which the cube root, as a single, is exactly 2.125 (lever arm 35, [sigma] 1236).
    auto root = [](float load) {
        const float torque = num::single(35.0 * double(load));
        return num::single(std::cbrt(double(torque) * 32.0 / 3.1416 / 1236.0));
    };
    float load = 33.0f;
    for (int step = 0; step < 1000000 && root(load) < 2.125f; ++step)
        load = std::nextafter(load, 100.0f);
    ASSERT_EQ(root(load), 2.125f);
    FormBase* f = form();
    type(f, "Text1_3", num::text(load));
    type(f, "Text1_4", "20"); // room for the wire
    click(f, "Command1");
    EXPECT_TRUE(prompts().requests.isEmpty());
    // 2.12, not 2.13: the inner diameter 20 - 2 d shows which one the design took.
    EXPECT_EQ(f->text("Text9"), "15.8");
}

TEST_F(Form132Test, MissingGapMessageSaysZeroIsAllowed) {
    FormBase* f = form();
    type(f, "Text1_6", "");
    click(f, "Command1");
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("请输入圈间缝隙 f：,没有为输入0!"));
    EXPECT_EQ(f->text("Text8"), "");
}

TEST_F(Form132Test, RequiredFieldsInIndexOrder) {
    const std::pair<const char*, int> fields[] = {{"Text1_0", 1562}, {"Text1_1", 1993}, {"Text1_2", 2178},
                                                  {"Text1_3", 2180}, {"Text1_4", 2179}, {"Text1_5", 2181},
                                                  {"Text1_7", 2184}, {"Text1_8", 2175}};
    FormBase* f = form();
    click(f, "Command4");
    for (const auto& [box, captionId] : fields) {
        prompts().clear();
        click(f, "Command1");
        EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(captionId)) << box;
        type(f, box, "1");
        if (QString::fromLatin1(box) == QLatin1String("Text1_5"))
            type(f, "Text1_6", "1"); // the gap, with its own message, is tested above
    }
    EXPECT_EQ(f->label("Label12_9")->text(), "Mpa");
}

class Form132Fault : public Form132Test, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Form132Fault, ShowsInputErrorAndKeepsEarlierResults) {
    const FaultCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    click(f, "Command1");
    prompts().clear();
    typeAll(f, c.inputs);
    click(f, QString::fromLatin1(c.button));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(prompts().requests.first().title, StringTable::text(1318));
    expectTexts(f, {{"Text8", "2.6"}, {"Text2", "99"}, {"Text14", "2100.00"}, {"Label26", "99°"}});
}

const FaultCase kFaults[] = {
    {"BlankAllowableStress", "Form132", {{"Text1_1", " "}}},
    {"ChosenDiameterLetters", "Form132", {{"Text15", "abc"}}},
    {"ZeroYoungsModulus", "Form132", {{"Text1_0", "0"}}},
    {"ZeroLeverArm", "Form132", {{"Text1_2", "0"}}},
    {"NoRoomForTheWire", "Form132", {{"Text15", "13.3"}}},
    {"ZeroGapAndZeroWire", "Form132", {{"Text1_6", "0"}, {"Text15", "0"}}},
};
INSTANTIATE_TEST_SUITE_P(Inputs, Form132Fault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

TEST_F(Form132Test, ResetKeepsVerdictsAndSketchAndAsksForEFirst) {
    FormBase* f = form();
    type(f, "Text15", "2.6");
    click(f, "Command1");
    click(f, "Command4");
    expectInputsAndResultsEmpty(f, 8, 16);
    expectTexts(f, {{"Label12_1", "mm NG"}, {"Label12_4", "°NG"}, {"Label31", "37.0"}, {"Label25", "35"}});
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), QString::fromUtf8("请输入弹性模量E："));
}

TEST_F(Form132Test, DownArrowCyclesThroughTheNineInputs) {
    FormBase* f = form();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f)); // focus moves only inside the active window
    f->field("Text1_8")->setFocus();
    QTest::keyClick(f->field("Text1_8"), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f->field("Text1_0"));
    EXPECT_EQ(f->field("Text1_0")->selectedText(), "206000");
    // The box for a chosen diameter has no key filter and is no part of the cycle.
    f->field("Text15")->setFocus();
    QTest::keyClicks(f->field("Text15"), "2a");
    QTest::keyClick(f->field("Text15"), Qt::Key_Down);
    EXPECT_EQ(f->text("Text15"), "2a");
    EXPECT_EQ(QApplication::focusWidget(), f->field("Text15"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

const char* const kReportZhCN[] = {
    "---------------------圆柱螺旋切向臂扭力弹簧设计方案-------------------",
    "",
    "1.输入参数：",
    "",
    "弹性模量E：206000N/mm2",
    "许用剪应力：1236Mpa",
    "动力力臂 R：35mm",
    "最大载荷 Pmax：60N",
    "外径限制 D：13.3mm",
    "自由高度=<：37mm",
    "圈间缝隙 f：0.5mm",
    "工作时夹角 a：40°",
    "自由角度(估计)142°",
    "",
    "",
    "2.计算结果：",
    "",
    "钢丝直径d>=：2.6mm",
    "内径D1：8.1mm",
    "中径D：10.7mm",
    "外径D2：13.3mm",
    "有效圈数n≈：11.1T",
    "节距t：3.1mm",
    "扭转刚度Ktd21.3N.mm/°",
    "工作扭转角度 a1：99°",
    "扭转角修正角B'：3°",
    "修正后扭转角a2：102°",
    "工作时夹角 a：40°",
    "工作应力z：1231.2Mpa",
    "自由高度H0：36.9mm",
    "实际扭矩 M：2100.00N.mm",
    "",
    "",
};

const char* const kReportEnUS[] = {
    "---------------------Cylindrical spiral tangential arm torsion spring design-------------------",
    "",
    "1. The input parameters:",
    "",
    "Modulus E206000N/mm2",
    "The average allowable shear stress: ",
    "",
    "1236Mpa",
    "power arm35mm",
    "Maximum load Pmax60N",
    "OD limit13.3mm",
    "FreeHeight = <37mm",
    "gap between the rings0.5mm",
    "Work Angle40°",
    "Free angle (estimated)142°",
    "",
    "",
    "2. The calculation results:",
    "",
    "Wire Dia d> =2.6mm",
    "I.D.Diameter8.1mm",
    "Mean Diameter10.7mm",
    "O.D.Diameter13.3mm",
    "Effective number coil11.1T",
    "Pitch:3.1mm",
    "Dorsion Ktd21.3N.mm/°",
    "Work Torsional angle99°",
    "revised torsion angle B'3°",
    "Revised Torsion angle102°",
    "Work Angle40°",
    "Work  stress 1231.2Mpa",
    "Free Hight:36.9mm",
    "Actual torque M2100.00N.mm",
    "",
    "",
};

TEST_F(Form132Test, ReportOfTheDefaultDesignInChinese) {
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportZhCN));
}

TEST_F(Form132Test, ReportOfTheDefaultDesignInEnglish) {
    StringTable::setLanguage(Language::EnUS);
    FormBase* f = form();
    click(f, "Command1");
    expectReport(saveReport(f), reportLines(kReportEnUS));
}

} // namespace
