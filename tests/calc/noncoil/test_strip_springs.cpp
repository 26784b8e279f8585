// Spiral springs, drum springs and mainsprings: the worked examples, the first empty field,
// the calculations that stop part way, the lists' lookups, the Down arrow and the first focus.
#include "NoncoilWindowTests.h"
#include "calc/noncoil/StripSteel.h"
#include "common/StringTable.h"

#include <QLabel>

namespace {

const std::vector<ControlText> kSpiral = {
    {"Text1_0", "10"}, {"Text1_1", "1000"}, {"Text1_2", "6.2832"}, {"Text1_3", "1500"}};
const std::vector<ControlText> kSpiralCheck = {
    {"Text1_0", "10"}, {"Text1_1", "0.8"}, {"Text1_2", "360"}, {"Text1_3", "700"}, {"Text1_4", "1500"}};
const std::vector<ControlText> kMainspring = {
    {"Text1_0", "10"}, {"Text1_1", "500"}, {"Text1_2", "1000"}, {"Text1_3", "5"}, {"Text1_4", "1600"}};
const std::vector<ControlText> kMainspringCheck = {
    {"Text1_0", "10"}, {"Text1_1", "0.3"}, {"Text1_2", "40"}, {"Text1_3", "6"}, {"Text1_4", "1600"}};

TEST(StripSteel, ListsMatchExactTextsOnly) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(strip::steelModulus(QStringLiteral("不锈钢带")), 185000);
    EXPECT_EQ(strip::steelModulus(QStringLiteral("不锈钢带 ")), 0);
    EXPECT_EQ(strip::serviceLifeFactor(QStringLiteral("小于10^3")), 0.8);
    EXPECT_EQ(strip::serviceLifeFactor(QStringLiteral("> 10^5")), 0);
    EXPECT_EQ(strip::fixedServiceLifeFactor(QStringLiteral("> 10^3")), 0.7);
    EXPECT_EQ(strip::fixedServiceLifeFactor(StringTable::text(2299)), 0);
    EXPECT_EQ(strip::outerEndFixing(QStringLiteral("外端回转")).k2, 1.25);
    EXPECT_EQ(strip::outerEndFixing(QStringLiteral("x")).k1, 0);
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(strip::steelModulus(QStringLiteral("Hot spring steel belt")), 197000);
    EXPECT_EQ(strip::fixedServiceLifeFactor(QStringLiteral("< 10^3")), 0.8);
    StringTable::setLanguage(Language::ZhCN);
}

const WindowCase kExamples[] = {
    {"SpiralDesign",
     "Form36",
     kSpiral,
     {{"Text1_6", "0.9"},
      {"Text1_7", "669.0"},
      {"Text1_8", "9.8"},
      {"Text1_9", "203.1"},
      {"Text1_10", "193.2"},
      {"Text1_4", "1.0"}}},
    {"SpiralDesignOuterEndTurning",
     "Form36",
     with(kSpiral, {{"Combo2", "外端回转"}}),
     {{"Text1_6", "1.2"},
      {"Text1_7", "1513.7"},
      {"Text1_8", "13.9"},
      {"Text1_9", "468.0"},
      {"Text1_10", "453.9"},
      {"Text1_4", "1.0"}}},
    {"SpiralDesignFreeTurnsFollowTheAngle",
     "Form36",
     with(kSpiral, {{"Text1_2", "31.416"}}),
     {{"Text1_4", "5.0"}}},
    {"SpiralDesignSlashReadsTheLeadingNumber",
     "Form36",
     with(kSpiral, {{"Text1_0", "10/2"}}),
     {{"Text1_6", "0.9"}, {"Text1_7", "669.0"}}},
    {"SpiralCheck",
     "Form71",
     kSpiralCheck,
     {{"Text1_6", "2.1915"},
      {"Text1_7", "1.7532"},
      {"Text1_8", "788.9306"},
      {"Text1_9", "631.1444"},
      {"Text1_10", "880.0000"},
      {"Text1_12", "440.0000"},
      {"Text1_5", "401.5563"},
      {"Text1_11", "250.9727"}}},
    {"SpiralCheckUnknownLifeGivesZeroLimits",
     "Form71",
     with(kSpiralCheck, {{"Combo3", "大于10^5"}}),
     {{"Text1_6", "2.1915"},
      {"Text1_10", "0.0000"},
      {"Text1_12", "0.0000"},
      {"Text1_5", "0.0000"},
      {"Text1_11", "0.0000"}}},
    {"SpiralCheckNoAngle",
     "Form71",
     with(kSpiralCheck, {{"Text1_2", "0"}}),
     {{"Text1_8", "0.0000"}, {"Text1_9", "0.0000"}, {"Text1_10", "880.0000"}, {"Text1_5", "401.5563"}}},
    {"ConstantForce",
     "Form38",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}},
     {{"Text1_4", "6.24"}, {"Text1_5", "2060.00"}}},
    {"ConstantForceStainless",
     "Form38",
     {{"Combo1", "不锈钢带"}, {"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}},
     {{"Text1_4", "5.61"}, {"Text1_5", "1850.00"}}},
    {"ConstantForceUnknownMaterial",
     "Form38",
     {{"Combo1", "钢带"}, {"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}},
     {{"Text1_4", "0.00"}, {"Text1_5", "0.00"}}},
    {"ConstantForceNoThickness",
     "Form38",
     {{"Text1_0", "10"}, {"Text1_1", "0"}, {"Text1_2", "20"}},
     {{"Text1_4", "0.00"}, {"Text1_5", "0.00"}}},
    {"ConstantTorque",
     "Form79",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}, {"Text1_3", "40"}},
     {{"Text1_4", "309.00"}, {"Text1_5", "3090.00"}}},
    {"ConstantTorqueHotRolled",
     "Form79",
     {{"Combo1", "热轧弹簧钢带"},
      {"Text1_0", "10"},
      {"Text1_1", "0.2"},
      {"Text1_2", "20"},
      {"Text1_3", "40"}},
     {{"Text1_4", "295.50"}, {"Text1_5", "2955.00"}}},
    {"ConstantTorqueDrumsSwapped",
     "Form79",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "40"}, {"Text1_3", "20"}},
     {{"Text1_4", "154.50"}, {"Text1_5", "3090.00"}}},
    {"MainspringDesign",
     "Form37",
     kMainspring,
     {{"Text1_5", "1250.00"},
      {"Text1_6", "0.6"},
      {"Text1_7", "8.8"},
      {"Text1_8", "1764.3"},
      {"Text1_9", "83.3"},
      {"Text1_10", "41.6"},
      {"Text1_11", "1889.2"},
      {"Text1_12", "27.2"},
      {"Text1_13", "7.5"},
      {"Text1_14", "19.3"},
      {"Text1_15", "10.0"},
      {"Text1_16", "9.3"},
      {"Text1_17", "11.8"}}},
    {"MainspringDesignStainless",
     "Form37",
     {{"Combo1", "不锈钢带"},
      {"Text1_0", "8"},
      {"Text1_1", "300"},
      {"Text1_2", "600"},
      {"Text1_3", "4"},
      {"Text1_4", "1800"}},
     {{"Text1_5", "750.00"},
      {"Text1_6", "0.5"},
      {"Text1_7", "7.2"},
      {"Text1_8", "920.0"},
      {"Text1_9", "68.0"},
      {"Text1_10", "34.0"},
      {"Text1_11", "1022.0"},
      {"Text1_12", "18.3"},
      {"Text1_13", "4.8"},
      {"Text1_14", "13.9"},
      {"Text1_15", "8.0"},
      {"Text1_16", "5.9"},
      {"Text1_17", "9.1"}}},
    {"MainspringDesignNoSmallestTorque",
     "Form37",
     with(kMainspring, {{"Text1_1", "0"}}),
     {{"Text1_15", "5.0"}}},
    {"MainspringCheck",
     "Form72",
     kMainspringCheck,
     {{"Text1_5", "240.000"},
      {"Text1_6", "198.000"},
      {"Text1_7", "118.800"},
      {"Text1_8", "2044.44"},
      {"Text1_9", "2087.78"},
      {"Text1_10", "14.238"},
      {"Text1_11", "28.59"},
      {"Text1_12", "28.61"},
      {"Text1_13", "18.67"}}},
    {"MainspringCheckUnknownMaterial",
     "Form72",
     with(kMainspringCheck, {{"Combo1", "x"}}),
     {{"Text1_8", "2044.44"}, {"Text1_10", "0.000"}, {"Text1_13", "18.67"}}},
};
INSTANTIATE_TEST_SUITE_P(StripSprings, WindowExample, ::testing::ValuesIn(kExamples), caseName<WindowCase>);

const RequiredCase kRequired[] = {
    {"SpiralDesignAllEmpty", "Form36", {}, 1628, "Command1", {"Text1_6", "Text1_4"}},
    {"SpiralCheckThickness", "Form71", with(kSpiralCheck, {{"Text1_1", ""}}), 1627, "Command1", {"Text1_6"}},
    {"ConstantForceDiameter",
     "Form38",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}},
     1626,
     "Command1",
     {"Text1_4"}},
    {"ConstantTorqueOutputDrum", "Form79", {{"Text1_0", "1"}, {"Text1_1", "1"}, {"Text1_2", "1"}}, 1896},
    {"MainspringDesignAllEmpty", "Form37", {}, 1628, "Command1", {"Text1_5"}},
    {"MainspringCheckWidthNamedB", "Form72", {}, 1628, "Command1", {"Text1_5"}},
    {"MainspringCheckThicknessNamedH", "Form72", with(kMainspringCheck, {{"Text1_1", ""}}), 1627},
    {"MainspringCheckStrength", "Form72", with(kMainspringCheck, {{"Text1_4", ""}}), 1412},
};
INSTANTIATE_TEST_SUITE_P(StripSprings, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const StopCase kStops[] = {
    {"SpiralDesignUnknownMaterialStopsAtPitch",
     "Form36",
     with(kSpiral, {{"Combo1", "x"}}),
     {{"Text1_6", "0.9"}, {"Text1_7", "0.0"}, {"Text1_8", "9.8"}, {"Text1_9", "-9.8"}},
     {"Text1_10", "Text1_4"}},
    {"SpiralDesignUnknownLifeStopsFirst",
     "Form36",
     with(kSpiral, {{"Combo3", "x"}}),
     {},
     {"Text1_6", "Text1_7", "Text1_4"}},
    {"SpiralDesignUnknownFixingStopsAtLength",
     "Form36",
     with(kSpiral, {{"Combo2", "x"}}),
     {{"Text1_6", "0.0"}},
     {"Text1_7"}},
    {"SpiralDesignNoTorqueStopsAtLength",
     "Form36",
     with(kSpiral, {{"Text1_1", "0"}}),
     {{"Text1_6", "0.0"}},
     {"Text1_7", "Text1_4"}},
    {"SpiralCheckNoLengthStopsFirst",
     "Form71",
     with(kSpiralCheck, {{"Text1_3", "0"}}),
     {},
     {"Text1_6", "Text1_11"}},
    {"SpiralCheckUnknownMaterialStopsAtLimitAngle",
     "Form71",
     with(kSpiralCheck, {{"Combo1", "x"}}),
     {{"Text1_6", "0.0000"}, {"Text1_9", "0.0000"}, {"Text1_10", "880.0000"}, {"Text1_12", "440.0000"}},
     {"Text1_5", "Text1_11"}},
    {"ConstantForceNoDiameter",
     "Form38",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "0"}},
     {},
     {"Text1_4", "Text1_5"}},
    {"ConstantTorqueNoDrum",
     "Form79",
     {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}, {"Text1_3", "."}},
     {},
     {"Text1_4", "Text1_5"}},
    {"MainspringDesignNoWidth",
     "Form37",
     with(kMainspring, {{"Text1_0", "0"}}),
     {{"Text1_5", "1250.00"}},
     {"Text1_6", "Text1_17"}},
    {"MainspringDesignEqualTorques",
     "Form37",
     with(kMainspring, {{"Text1_1", "1000"}}),
     {{"Text1_5", "1250.00"}, {"Text1_6", "0.6"}, {"Text1_7", "8.8"}},
     {"Text1_8", "Text1_17"}},
    {"MainspringDesignNoLargestTorque",
     "Form37",
     with(kMainspring, {{"Text1_2", "0"}}),
     {{"Text1_6", "0.0"}, {"Text1_8", "0.0"}, {"Text1_12", "0.0"}},
     {"Text1_13"}},
    {"MainspringDesignUnknownMaterial",
     "Form37",
     with(kMainspring, {{"Combo1", "x"}}),
     {{"Text1_8", "0.0"}, {"Text1_12", "8.8"}, {"Text1_13", "0.0"}, {"Text1_14", "0.0"}},
     {"Text1_15", "Text1_17"}},
    {"MainspringCheckNoThickness",
     "Form72",
     with(kMainspringCheck, {{"Text1_1", "0"}}),
     {{"Text1_5", "0.000"}, {"Text1_6", "0.000"}, {"Text1_7", "0.000"}},
     {"Text1_8", "Text1_13"}},
    {"MainspringCheckArborFillsBarrel",
     "Form72",
     with(kMainspringCheck, {{"Text1_3", "40"}}),
     {{"Text1_8", "0.00"}, {"Text1_9", "288.88"}},
     {"Text1_10", "Text1_13"}},
};
INSTANTIATE_TEST_SUITE_P(StripSprings, StopsPartWay, ::testing::ValuesIn(kStops), caseName<StopCase>);

const DownCase kDown[] = {
    {"SpiralDesignSkipsTheGap", "Form36", "Text1_4", "Text1_6"},
    {"SpiralDesignWrapsAtTheCount", "Form36", "Text1_9", "Text1_0"},
    {"SpiralDesignLastWraps", "Form36", "Text1_10", "Text1_0"},
    {"SpiralCheckWraps", "Form71", "Text1_12", "Text1_0"},
    {"ConstantForceSkipsTheGap", "Form38", "Text1_2", "Text1_4"},
    {"ConstantForceWrapsAtTheCount", "Form38", "Text1_4", "Text1_0"},
    {"ConstantForceLastWraps", "Form38", "Text1_5", "Text1_0"},
    {"ConstantTorqueWraps", "Form79", "Text1_5", "Text1_0"},
    {"MainspringDesignWraps", "Form37", "Text1_17", "Text1_0"},
    {"MainspringCheckGoesOn", "Form72", "Text1_4", "Text1_5"},
};
INSTANTIATE_TEST_SUITE_P(StripSprings, DownArrow, ::testing::ValuesIn(kDown), caseName<DownCase>);

const FocusCase kFocus[] = {
    {"SpiralDesign", "Form36", "Text1_7"},     {"SpiralCheck", "Form71", "Text1_4"},
    {"ConstantForce", "Form38", "Combo1"},     {"ConstantTorque", "Form79", "Text1_0"},
    {"MainspringDesign", "Form37", "Text1_9"}, {"MainspringCheck", "Form72", "Text1_7"},
};
INSTANTIATE_TEST_SUITE_P(StripSprings, OpeningFocus, ::testing::ValuesIn(kFocus), caseName<FocusCase>);

class StripWindowTexts : public FormTest {};

TEST_F(StripWindowTexts, LabelsAsTheWindowsSetThem) {
    FormBase* check = open("Form71");
    EXPECT_EQ(check->text("Caption_Text1_6"), QStringLiteral("刚度T`(芯转)："));
    EXPECT_EQ(check->text("Combo3"), QStringLiteral("> 10^5"));
    FormBase* design = open("Form37");
    EXPECT_EQ(design->text("Label1_2"), QStringLiteral("工作圈数(Ng)："));
    EXPECT_EQ(design->text("Unit_Text1_17"), QStringLiteral("圈"));
    FormRegistry::closeAllExcept();
    flush();
    StringTable::setLanguage(Language::EnUS);
    FormBase* mainspringCheck = open("Form72");
    EXPECT_EQ(mainspringCheck->text("Label1_5"), QStringLiteral("弹簧材料："));
    EXPECT_EQ(mainspringCheck->text("Label1_0"), StringTable::text(2435));
    EXPECT_EQ(mainspringCheck->text("Combo1"), QStringLiteral("Spring steel belt"));
}

TEST_F(StripWindowTexts, ResetEmptiesInputsAndResultsButKeepsTheLists) {
    FormBase* f = open("Form36");
    typeAll(f, with(kSpiral, {{"Combo2", "外端回转"}}));
    click(f, "Command1");
    click(f, "Command2");
    for (const char* box : {"Text1_0", "Text1_3", "Text1_6", "Text1_4", "Text1_10"})
        EXPECT_EQ(f->text(box), QString()) << box;
    EXPECT_EQ(f->text("Combo2"), QStringLiteral("外端回转"));
}

TEST_F(StripWindowTexts, EnterCalculates) {
    FormBase* f = open("Form79");
    typeAll(f, {{"Text1_0", "10"}, {"Text1_1", "0.2"}, {"Text1_2", "20"}, {"Text1_3", "40"}});
    QTest::keyClick(f->field("Text1_3"), Qt::Key_Return);
    EXPECT_EQ(f->text("Text1_4"), QStringLiteral("309.00"));
}

} // namespace
