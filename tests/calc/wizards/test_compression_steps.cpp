// Steps 3 to 5 of the compression wizard and the sub-calculators of step 4, and the whole
// report of a run through the five steps.

#include "WizardTest.h"

#include "calc/wizards/CompressionDesignCore.h"
#include "common/Numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

// --- Form93: end form --------------------------------------------------------------------------

TEST_F(WizardTest, EndFormStartsWithYiiAndStoresItsCoils) {
    wizard::inactiveEndCoils = -1;
    FormBase* step = open(QStringLiteral("Form93"));
    tick(step);
    expectTexts(step, {{"Text1_0", "YII"}, {"Text1_1", "1.5~2"}, {"Text1_2", "1.5"}});
    EXPECT_EQ(wizard::state.inactiveEndCoils, 1.5f);

    const std::tuple<int, const char*, const char*, float> kChoices[] = {{1, "YI", "1~2.5", 2.0f},
                                                                         {3, "YIII", "0~1", 0.0f},
                                                                         {4, "RYI", "1.5~2.5", 1.5f},
                                                                         {5, "RYII", "1.5~2.5", 1.5f}};
    for (const auto& [number, code, range, coils] : kChoices) {
        QTest::mouseClick(step->label(QStringLiteral("Picture%1").arg(number)), Qt::LeftButton);
        tick(step);
        EXPECT_EQ(step->text(QStringLiteral("Text1_0")), QString::fromLatin1(code));
        EXPECT_EQ(step->text(QStringLiteral("Text1_1")), QString::fromLatin1(range));
        EXPECT_EQ(wizard::state.inactiveEndCoils, coils) << code;
        int selected = 0;
        for (int other = 1; other <= 5; ++other)
            selected += step->control<QRadioButton>(QStringLiteral("Option%1").arg(other))->isChecked();
        EXPECT_EQ(selected, 1);
    }
    // Cancel keeps the coils of the last choice.
    click(step, QStringLiteral("Command2"));
    EXPECT_EQ(wizard::state.inactiveEndCoils, 1.5f);
    EXPECT_TRUE(wizard::state.compReport3.isEmpty());
}

TEST_F(WizardTest, EndFormConfirmBeforeTheFirstTick) {
    wizard::inactiveEndCoils = 2.0f;
    wizard::state.compReport2 = QStringLiteral("R2");
    FormBase* step = open(QStringLiteral("Form93"));
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.compReport3, QStringLiteral("R2\r\n\r\n三、端部型式：\r\n\r\n"
                                                        "    端部型式       sType=\r\n"
                                                        "    压并圈取值范围 n2=\r\n"
                                                        "    压并圈数       n2=(圈)\r\n"));
    EXPECT_EQ(wizard::state.inactiveEndCoils, 2.0f);
    EXPECT_TRUE(hub(QStringLiteral("Form90"))->stepOffered(4));
}

// --- Form94 to Form97: design ------------------------------------------------------------------

TEST_F(WizardTest, DesignStepDefaultsGiveIndexWahlFactorAndTotalCoils) {
    wizard::state.compShearModulus = 80000;
    wizard::state.compRequiredRate = 22;
    wizard::state.compMaterialName = QStringLiteral("琴钢丝 A228");
    wizard::inactiveEndCoils = 2;
    FormBase* step = open(QStringLiteral("Form94"));
    EXPECT_EQ(step->text(QStringLiteral("Text2_3")), QStringLiteral("22"));
    tick(step);
    expectTexts(step, {{"Text1", "琴钢丝 A228"}, {"Text2_4", "20.86"}, {"Text2_5", "5.20"}});
    EXPECT_EQ(wizard::state.compSpringIndex, 7.11f);
    EXPECT_EQ(wizard::state.compWahlFactor, 1.21f);
    EXPECT_EQ(wizard::state.compTotalCoils, 8.0f);
    wizard::state.compReport3 = QStringLiteral("R3");
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.compReport4, QStringLiteral("R3\r\n\r\n四、弹簧基本参数：\r\n\r\n"
                                                        "    钢丝直径   d=4.5 (mm)\r\n"
                                                        "    弹簧中径   D=32 (mm)\r\n"
                                                        "    旋绕比     C=7.11\r\n"
                                                        "    曲度系数   K=1.21\r\n"
                                                        "    有效圈数   n=6(圈)\r\n"
                                                        "    压并圈数       n2=2(圈)\r\n"
                                                        "    弹簧总圈数 n1=8(圈)\r\n"
                                                        "    实际刚度   k=20.86 (N/mm)\r\n"));
}

TEST_F(WizardTest, DesignStepSkipsEmptyAndFaultyTicks) {
    wizard::state.compShearModulus = 80000;
    wizard::state.compRequiredRate = 22;
    FormBase* step = open(QStringLiteral("Form94"));
    tick(step);
    type(step, QStringLiteral("Text2_1"), QString());
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text2_4")), QStringLiteral("20.86"));
    type(step, QStringLiteral("Text2_1"), QStringLiteral("4.5")); // C = 1
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text2_4")), QStringLiteral("20.86"));
    for (const char* bad : {".", "abc"}) {
        type(step, QStringLiteral("Text2_1"), QString::fromLatin1(bad));
        tick(step);
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectNoNonFinite(step);
}

TEST_F(WizardTest, TrialWireDiameterPicksTheNextStandardWireOnEveryTick) {
    wizard::state.compSpringIndex = 7.11f;
    wizard::state.compWahlFactor = 1.21f;
    wizard::state.compWorkingLoad = 500;
    wizard::state.compAllowableShear = 500;
    FormBase* sub = open(QStringLiteral("Form95"));
    EXPECT_EQ(sub->text(QStringLiteral("Text1_0")), QStringLiteral("7.11"));
    tick(sub);
    expectTexts(sub, {{"Text1_1", "500"},
                      {"Text1_2", "500"},
                      {"Text1_3", "1.21"},
                      {"Text1_4", "4.69"},
                      {"Combo1", "5.0"}});
    EXPECT_EQ(wizard::state.compTrialSpringIndex, 7.11f);
    // A hand choice gives way to the pick at the next tick.
    sub->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
    tick(sub);
    EXPECT_EQ(sub->text(QStringLiteral("Combo1")), QStringLiteral("5.0"));
    // Confirm into a closed design step loads it hidden with the pick in place.
    ASSERT_EQ(FormRegistry::find(QStringLiteral("Form94")), nullptr);
    click(sub, QStringLiteral("Command1"));
    FormBase* design = FormRegistry::find(QStringLiteral("Form94"));
    ASSERT_NE(design, nullptr);
    EXPECT_FALSE(design->isVisible());
    expectTexts(design, {{"Text2_0", "5.0"}, {"Text2_1", "32"}, {"Text2_2", "6"}});
}

TEST_F(WizardTest, TrialWireDiameterAboveTheSeriesPicksNothing) {
    wizard::state.compWahlFactor = 1.21f;
    wizard::state.compWorkingLoad = 50000;
    wizard::state.compAllowableShear = 500;
    FormBase* sub = open(QStringLiteral("Form95"));
    type(sub, QStringLiteral("Text1_0"), QStringLiteral("7.11"));
    tick(sub);
    EXPECT_EQ(sub->text(QStringLiteral("Text1_4")), QStringLiteral("46.93"));
    EXPECT_EQ(sub->text(QStringLiteral("Combo1")), QString());
    // [tau] = 0: the tick ends without a box and without inf.
    wizard::state.compAllowableShear = 0;
    tick(sub);
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectNoNonFinite(sub);
}

TEST_F(WizardTest, MeanDiameterFromIndexAndWire) {
    wizard::state.compWireDia = 4.5f;
    FormBase* sub = open(QStringLiteral("Form96"));
    for (const auto& [index, mean] : {std::pair{"7", "31.5"}, {"6.66", "30"}}) {
        type(sub, QStringLiteral("Text1_0"), QString::fromLatin1(index));
        tick(sub);
        EXPECT_EQ(sub->text(QStringLiteral("Text1_1")), QStringLiteral("4.5"));
        EXPECT_EQ(sub->text(QStringLiteral("Text1_2")), QString::fromLatin1(mean));
    }
    open(QStringLiteral("Form94"));
    click(sub, QStringLiteral("Command1"));
    EXPECT_EQ(FormRegistry::readText(QStringLiteral("Form94"), QStringLiteral("Text2_1")),
              QStringLiteral("30"));
}

TEST_F(WizardTest, ActiveCoilsComputedOnceWhenOpened) {
    wizard::state.compShearModulus = 78500;
    wizard::state.compMeanDia = 32;
    wizard::state.compSpringIndex = 7.11f;
    wizard::state.compRequiredRate = 20;
    FormBase* sub = open(QStringLiteral("Form97"));
    expectTexts(sub, {{"Text1_0", "78500"},
                      {"Text1_1", "32"},
                      {"Text1_2", "7.11"},
                      {"Text1_3", "20"},
                      {"Text1_4", "6.14"},
                      {"Combo1", "6.5"}});
    EXPECT_EQ(sub->findChild<QTimer*>(QStringLiteral("Timer1")), nullptr);
    // The user's own value stays and goes to the design step.
    sub->comboBox(QStringLiteral("Combo1"))->setEditText(QStringLiteral("7.25"));
    click(sub, QStringLiteral("Command1"));
    EXPECT_EQ(FormRegistry::readText(QStringLiteral("Form94"), QStringLiteral("Text2_2")),
              QStringLiteral("7.25"));
}

TEST_F(WizardTest, ActiveCoilsBeforeAnyDesignShowsTheInputErrorOnce) {
    // All variables 0: C = 0 divides.
    FormBase* sub = open(QStringLiteral("Form97"));
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(sub, {{"Text1_0", "0"}, {"Text1_4", ""}, {"Combo1", ""}});
    expectNoNonFinite(sub);
}

// --- Form98: check -----------------------------------------------------------------------------

// A design as steps 1 to 4 leave it with their defaults on the first material.
void defaultDesign() {
    wizard::State& s = wizard::state;
    s.compInstalledLoad = 200;
    s.compInstalledHeight = 56;
    s.compWorkingLoad = 420;
    s.compRequiredRate = 22;
    s.compLoadClass = QStringLiteral("II");
    s.compTensileStrength = 1885;
    s.compAllowableShear = 754;
    s.inactiveEndCoils = 1.5f;
    s.compWireDia = 4.5f;
    s.compMeanDia = 32;
    s.compActiveCoils = 6;
    s.compShearModulus = 80000;
    compressiondesign::DesignResults r;
    compressiondesign::compute({4.5f, 32, 6, 80000, 22, 1.5f}, r);
    s.compActualRate = r.rate;
    s.compTotalCoils = r.totalCoils;
    s.compSpringIndex = r.springIndex;
    s.compWahlFactor = r.wahlFactor;
    s.compRateError = r.rateError;
}

TEST_F(WizardTest, CheckStepKeepsStabilityForAnUnknownFixing) {
    defaultDesign();
    FormBase* step = open(QStringLiteral("Form98"));
    tick(step);
    const QString critical = step->text(QStringLiteral("Text1_9"));
    const QString verdict = step->text(QStringLiteral("Label3"));
    EXPECT_EQ(critical, StringTable::text(2339));
    type(step, QStringLiteral("Combo1"), QStringLiteral("free-free"));
    wizard::state.compInstalledHeight = 400; // b far above every limit
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_9")), critical);
    EXPECT_EQ(step->text(QStringLiteral("Label3")), verdict);
    EXPECT_EQ(step->text(QStringLiteral("Text1_11")), QStringLiteral("12.8"));
    // The guide rod computes k H0 whatever b is.
    type(step, QStringLiteral("Combo1"), StringTable::text(2336));
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_9")),
              num::textSingle(
                  num::single(double(wizard::state.compActualRate) * double(wizard::state.compFreeHeight))));
}

TEST_F(WizardTest, CheckStepWithoutForcedFrequencySkipsResonanceOnly) {
    defaultDesign();
    FormBase* step = open(QStringLiteral("Form98"));
    tick(step);
    const QString resonance = step->text(QStringLiteral("Label4"));
    EXPECT_EQ(resonance, StringTable::text(2334));
    EXPECT_EQ(wizard::state.compForcedFrequency, 25.0f);
    for (const char* text : {"", "2x5"}) {
        type(step, QStringLiteral("Text1_14"), QString::fromLatin1(text));
        wizard::state.compInstalledLoad = 210;
        tick(step);
        EXPECT_EQ(step->text(QStringLiteral("Label4")), resonance);
        EXPECT_EQ(wizard::state.compForcedFrequency, 25.0f);
        EXPECT_EQ(step->text(QStringLiteral("Text1_6")),
                  num::formatSingle(wizard::state.compMinShearStress, u"0.00")); // the rest goes on
        wizard::state.compInstalledLoad = 200;
    }
    // 10 nr equal to fn fails.
    type(step, QStringLiteral("Text1_14"),
         num::textSingle(num::single(double(wizard::state.compNaturalFrequency) / 10)));
    tick(step);
    if (num::single(10.0 * double(wizard::state.compForcedFrequency)) == wizard::state.compNaturalFrequency) {
        EXPECT_EQ(step->text(QStringLiteral("Label4")), StringTable::text(2335));
    }
}

TEST_F(WizardTest, CheckStepConfirmFaultLeavesTheHubAlone) {
    defaultDesign();
    wizard::state.compReport4 = QStringLiteral("R4");
    open(QStringLiteral("Form90"));
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 4, QStringLiteral("R4"));
    FormBase* step = open(QStringLiteral("Form98"));
    tick(step);
    // A design whose stresses vanish: the safety factor divides by zero.
    wizard::state.compMaxShearStress = 0;
    click(step, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_TRUE(wizard::state.compReport5.isEmpty());
    EXPECT_EQ(hub(QStringLiteral("Form90"))->report(), QStringLiteral("R4"));
    EXPECT_FALSE(hub(QStringLiteral("Form90"))->stepOffered(6));
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form98")), nullptr);
}

// --- The whole run -----------------------------------------------------------------------------

QString runCompressionWizard() {
    return runWizard(QStringLiteral("Form90"));
}

// The whole reports, line by line, as checked against the steps' report rules.
const char* const kCompressionReport2052 = R"(           --------压缩弹簧设计报告--------


一、设计要求：

    安装载荷(要求) F1'=200 (N)
    安装高度       H1='56 (mm)
    工作载荷(要求) F2'=420 (N)
    工作行程       h=10 (mm)
    要求刚度       k'=22.00 (N/mm)
    载荷作用次数   N=10000(次)
    载荷类型       NType=II


二、材料参数：

    材料名称      M_Name=琴钢丝 A228
    切变模量      G=80000 (Mpa)
    抗拉强度     6b=1885 (Mpa)
    推荐温度范围 0~120 (℃)
    许用切应力   zb=754.0 (Mpa)


三、端部型式：

    端部型式       sType=YII
    压并圈取值范围 n2=1.5~2
    压并圈数       n2=1.5(圈)


四、弹簧基本参数：

    钢丝直径   d=4.5 (mm)
    弹簧中径   D=32 (mm)
    旋绕比     C=7.11
    曲度系数   K=1.21
    有效圈数   n=6(圈)
    压并圈数       n2=1.5(圈)
    弹簧总圈数 n1=7.5(圈)
    实际刚度   k=20.86 (N/mm)


五、校核与分析：

    要求刚度  k'=22 (N/mm)
    实际刚度  k=20.9 (N/mm)
    刚度相对误差  6k=5.20 (%)
    安装变形量  f1=9.589172 (mm)
    安装载荷(设计)  F1=200 (N)
    工作变形量  f2=20.14 (mm)
    工作载荷(设计)  F2=420 (N)
    试验变形量  fs=48.51 (mm)
    最小变形比  f1/fs=0.20
    弹簧特性(安装)  Tf1×
    最大变形比  f2/fs=0.42
    弹簧特性(工作)  Tf2：ok
    最小切应力  zmin=216.41 (Mpa)
    最大切应力  zmax=454.45 (Mpa)
    切应力特性系数  v：0.48
    最大切应力比抗拉强度 zmax/6b=0.24
    弹簧疲劳强度  Tq：满足疲劳强度要求√
    稳定性要求  Tw：稳定性验算√
    安全系数  S=2.43
    强迫机械振动频率  vr=25 (Hz)
    弹簧自振频率  vn=260.7422 (Hz)
    共振要求  Tg：满足共振要求√

六、其余尺寸参数

    自由高度  H0=65.59 (mm)
    安装高度  H1=56 (mm)
    工作高度  H2=45.45 (mm)
    压并高度  Hb=33.75(磨平)/40.5(不磨平) (mm)
    试验高度  Hs=17.08 (mm)
    节距  p=10.18 (mm)
    螺旋角  α5.8(度)(一般5°~9°)
    弹簧材料展开长度  L=753.98 (mm)
    弹簧质量  M=93.80(克)


@FOOTER@
)";

const char* const kCompressionReport1033 = R"(         ---------compression spring design report -------


1.Design requirements:

    Install load (demand) F1 '=200 (N)
    The installation height H1 =56 (mm)
    Working load (demand) F2 '=420 (N)
    Working stroke h =10 (mm)
    Request stiffness k =22.00 (N/mm)
    Loading times N =10000(time)
    Load type NType =II


2.the material parameters:

    The name of the material M_Name = 

Music wire A228
    The shear modulus G = 

80000 (Mpa)
    Tensile strength of sigma 6b = 

1885 (Mpa)
    Recommended temperature range 

0~120 (℃)
    Allowable shearing stress zb=754.0 (Mpa)


3. end type: 



    The end of sType = 

YII
    Pressure and circle scope n2 = 

1.5~2
    Pressure and number of turns n2 = 

1.5    (Turns)


4.spring basic parameters: 


    Wire diameter d = 

4.5 (mm)
    Spring mean diameter D = 

32 (mm)
    To rotate than C = 

7.11
    Curvature coefficient K = 

1.21
    Effective number of turns n = 

6    (Turns)
    Pressure and number of turns n2 = 

1.5    (Turns)
    Spring to the total number of ring n1 =7.5    (Turns)
    The actual stiffness k = 

20.86 (N/mm)


5.check and analysis: 


Request stiffness k' = 

22 (N/mm)
The actual stiffness k = 

20.9 (N/mm)
The delta k = stiffness relative errors 

5.20 (%)
Install the deformation 

f1 =9.589172 (mm)
Install the load (design) F1 = 

200 (N)
Work  deformation 

f2 =20.14 (mm)
Working load (design) F2 = 

420 (N)
Test the  deformation 

fs =48.51 (mm)
The minimum deformation than f1 / fs =0.20
Spring characteristics (installation)Tf1 

×
Maximum deformation than the f2 / fs =0.42
Spring characteristics (work) Tf2: 

ok
The minimum shear stress Min216.41 (Mpa)
The maximum shear stress Max454.45 (Mpa)
Shear stress characteristic coefficient of gamma: 

0.48
The maximum shear stress than the tensile strength of tau Max/sigma0.24
Spring fatigue strength Tq: 

Meet the requirements of fatigue strength OK
Stability requirements Tw: 

Stability checking OK
Safety factor S = 

2.43
Gamma force mechanical vibration frequency25 (Hz)
Spring natural frequencies260.7422 (Hz)
resonance requirements Tg:Meet the requirement of resonance OK

6.The rest of the size parameters 


Free height H0 = 

65.59 (mm)
The installation height of H1 = 

56 (mm)
Work high H2 = 

45.45 (mm)
Pressure and height Hb = 

33.75(Ground end)/40.5(Not ground ) (mm)
Test height Hs = 

17.08 (mm)
Pitch p = 

10.18 (mm)
Spiral Angle a5.8(c) (5 ° ~ 9 °) 


Length of spring material 
L=753.98 (mm)
Spring mass M = 

93.80(g)


@FOOTER@
)";

struct GoldenCase {
    const char* name;
    Language language;
    const char* file;
    const char* golden;
};

class CompressionWizardRun : public WizardTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(CompressionWizardRun, WholeReportAndSavedFile) {
    const GoldenCase& c = GetParam();
    StringTable::setLanguage(c.language);
    materialdb::setFileOverride(QString::fromLatin1(c.file));
    const QString report = runCompressionWizard();
    const QString expected = expectedReport(c.golden);
    EXPECT_EQ(lines(report), lines(expected));
    EXPECT_EQ(wizard::state.compReport5, report);
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectSavedReport(QStringLiteral("Form90"), expected);
}

const GoldenCase kRuns[] = {
    {"SimplifiedChinese", Language::ZhCN, "db.mdb", kCompressionReport2052},
    {"English", Language::EnUS, "dben.mdb", kCompressionReport1033},
};
INSTANTIATE_TEST_SUITE_P(Wizard, CompressionWizardRun, ::testing::ValuesIn(kRuns), caseName<GoldenCase>);

} // namespace
