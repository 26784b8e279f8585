// Steps 3 to 5 of the extension and torsion wizards, their sub-calculators, and the whole
// reports of a run through the five steps.

#include "WizardTest.h"

#include "calc/wizards/ExtensionCores.h"
#include "calc/wizards/SeriesPick.h"
#include "calc/wizards/TorsionCores.h"
#include "common/Numbers.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

void clickPicture(FormBase* step, int number) {
    QTest::mouseClick(step->label(QStringLiteral("Picture%1").arg(number)), Qt::LeftButton);
}

// --- Form102 and Form111: hook ends and legs ---------------------------------------------------

TEST_F(WizardTest, HookEndsStartWithLIIIAndStoreTheCodeExactly) {
    FormBase* step = open(QStringLiteral("Form102"));
    tick(step);
    expectTexts(step, {{"Text1_0", "L III"}, {"Text1_1", "4.12"}});
    EXPECT_EQ(wizard::state.extEndType, QStringLiteral("L III"));
    const std::tuple<int, const char*, const char*> kChoices[] = {
        {1, "L I", "6.28"},     {4, "L IV", "3.32"},   {7, "L VII", "6.28"},
        {8, "L VIII", "15.03"}, {10, "R LII", "9.01"}, {11, "R LIII", "6.28"}};
    for (const auto& [number, code, factor] : kChoices) {
        clickPicture(step, number);
        tick(step);
        EXPECT_EQ(wizard::state.extEndType, QString::fromLatin1(code));
        EXPECT_EQ(step->text(QStringLiteral("Text1_1")), QString::fromLatin1(factor));
    }
    wizard::state.extReport2 = QStringLiteral("R2");
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.extReport3, QStringLiteral("R2\r\n\r\n三、端部型式：\r\n\r\n"
                                                       "    端部型式       sType=R LIII\r\n"
                                                       "    端部材料长度与中径比 L'/D=6.28\r\n"));
}

TEST_F(WizardTest, HookEndsConfirmBeforeTheFirstTick) {
    wizard::state.extEndType = QStringLiteral("L V");
    FormBase* step = open(QStringLiteral("Form102"));
    click(step, QStringLiteral("Command1"));
    const QStringList report = lines(wizard::state.extReport3);
    EXPECT_EQ(report.value(4), StringTable::text(2320));
    EXPECT_EQ(report.value(5), StringTable::text(2379));
    EXPECT_EQ(wizard::state.extEndType, QStringLiteral("L V"));
}

TEST_F(WizardTest, LegFormsReportInChineseInEveryLanguage) {
    StringTable::setLanguage(Language::EnUS);
    wizard::state.torsReport2 = QStringLiteral("R2");
    FormBase* step = open(QStringLiteral("Form111"));
    EXPECT_EQ(step->text(QStringLiteral("Frame1")), StringTable::text(2036));
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_0")), QStringLiteral("NV"));
    clickPicture(step, 2);
    clickPicture(step, 6);
    tick(step);
    EXPECT_EQ(step->text(QStringLiteral("Text1_0")), QStringLiteral("NVI"));
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.torsReport3,
              QStringLiteral("R2\r\n\r\n三、端部型式：\r\n\r\n    端部型式       sType=NVI\r\n"));
}

TEST_F(WizardTest, LegFormsConfirmBeforeTheFirstTick) {
    FormBase* step = open(QStringLiteral("Form111"));
    click(step, QStringLiteral("Command1"));
    EXPECT_TRUE(wizard::state.torsReport3.endsWith(QStringLiteral("    端部型式       sType=\r\n")));
}

// --- Form103 to Form106: extension design -------------------------------------------------------

void extensionRequirements() {
    wizard::State& s = wizard::state;
    s.extShearModulus = 80000;
    s.extRequiredRate = 9.67f;
    s.extWorkingLoad = 500;
    s.extAllowableShear = 603.2f;
}

TEST_F(WizardTest, ExtensionDesignDefaults) {
    extensionRequirements();
    FormBase* step = open(QStringLiteral("Form103"));
    EXPECT_EQ(step->windowTitle(), StringTable::text(1056));
    EXPECT_EQ(step->text(QStringLiteral("Text2_3")), QStringLiteral("9.67"));
    tick(step);
    EXPECT_EQ(wizard::state.extSpringIndex, 5.5f);
    EXPECT_EQ(wizard::state.extWahlFactor, 1.28f);
    wizard::state.extReport3 = QStringLiteral("R3");
    click(step, QStringLiteral("Command1"));
    EXPECT_EQ(wizard::state.extReport4, QStringLiteral("R3\r\n\r\n四、弹簧基本参数：\r\n\r\n"
                                                       "    钢丝直径   d=4.0 (mm)\r\n"
                                                       "    弹簧中径   D=22 (mm)\r\n"
                                                       "    旋绕比     C=5.5\r\n"
                                                       "    曲度系数   K=1.28\r\n"
                                                       "    有效圈数   n=25(圈)\r\n"
                                                       "    实际刚度   k=9.62 (N/mm)\r\n"));
}

TEST_F(WizardTest, ExtensionDesignKeepsTheWahlFactorWhileTheIndexIsOneOrLess) {
    extensionRequirements();
    FormBase* step = open(QStringLiteral("Form103"));
    tick(step);
    for (const char* mean : {"4", "3"}) {
        type(step, QStringLiteral("Text2_1"), QString::fromLatin1(mean));
        tick(step);
        EXPECT_EQ(wizard::state.extWahlFactor, 1.28f) << mean;
        EXPECT_EQ(wizard::state.extMeanDia, num::strict(QString::fromLatin1(mean)).value()) << mean;
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WizardTest, ExtensionTrialWireUsesTheDesignWahlFactor) {
    wizard::state.extWahlFactor = 1.28f;
    wizard::state.extWorkingLoad = 300;
    wizard::state.extAllowableShear = 400;
    FormBase* sub = open(QStringLiteral("Form104"));
    type(sub, QStringLiteral("Text1_0"), QStringLiteral("5.0"));
    tick(sub);
    expectTexts(sub, {{"Text1_3", "1.31"}, {"Text1_4", "3.51"}, {"Combo1", "4.0"}});
    for (const char* index : {"1", "0.5"}) {
        type(sub, QStringLiteral("Text1_0"), QString::fromLatin1(index));
        wizard::state.extWorkingLoad = 900;
        tick(sub);
        expectTexts(sub, {{"Text1_1", "900"}, {"Text1_3", "1.31"}, {"Text1_4", "3.51"}, {"Combo1", "4.0"}});
    }
}

TEST_F(WizardTest, ExtensionActiveCoilsWriteTheRoundedCount) {
    wizard::state.extShearModulus = 80000;
    wizard::state.extMeanDia = 22;
    wizard::state.extSpringIndex = 5.5f;
    wizard::state.extRequiredRate = 9.666667f;
    for (const auto& [shown, written] : {std::pair{"12.50", "12"}, {"13.50", "14"}, {"12.51", "13"}}) {
        FormBase* sub = open(QStringLiteral("Form106"));
        EXPECT_EQ(sub->text(QStringLiteral("Text1_3")), QStringLiteral("9.67"));
        type(sub, QStringLiteral("Text1_4"), QString::fromLatin1(shown));
        sub->comboBox(QStringLiteral("Combo1"))->setEditText(QStringLiteral("30"));
        click(sub, QStringLiteral("Command1"));
        flush();
        EXPECT_EQ(FormRegistry::readText(QStringLiteral("Form103"), QStringLiteral("Text2_2")),
                  QString::fromLatin1(written));
    }
}

// --- Form107: extension check --------------------------------------------------------------------

void extensionDesign() {
    wizard::State& s = wizard::state;
    s.extInstalledLoad = 210;
    s.extWorkingLoad = 500;
    s.extStroke = 30;
    s.extRequiredRate = 9.666667f;
    s.extShearModulus = 80000;
    s.extTensileStrength = 1885;
    s.extEndType = QStringLiteral("L III");
    s.extWireDia = 4;
    s.extMeanDia = 22;
    s.extActiveCoils = 25;
    extensiondesign::DesignResults r;
    extensiondesign::compute({4, 22, 25, 80000, s.extRequiredRate}, r);
    s.extActualRate = r.rate;
    s.extRateError = r.rateError;
    s.extWahlFactor = r.wahlFactor;
}

TEST_F(WizardTest, ExtensionCheckOffersConfirmExactlyWhileTheInstalledDeflectionShowsNoLessThanZero) {
    extensionDesign();
    FormBase* step = open(QStringLiteral("Form107"));
    QPushButton* confirm = step->button(QStringLiteral("Command1"));
    QLabel* warning = step->label(QStringLiteral("Label6"));
    EXPECT_FALSE(confirm->isEnabled());
    EXPECT_TRUE(warning->isHidden());
    const float F0 = extensioncheck::compute({210, 500, 30, 80000, 1885, "L III", 4, 22, 25,
                                              wizard::state.extActualRate, wizard::state.extWahlFactor})
                         .initialTension;
    struct Load {
        float installed;
        const char* shown;
        bool enabled;
    };
    const double k = wizard::state.extActualRate;
    const Load kLoads[] = {
        {F0, "0.00", true},
        {F0 - 50, nullptr, false},
        {num::single(double(F0) - 0.001 * k), "-0.00", true},
        {F0 - 50, nullptr, false},
        {F0 + 50, nullptr, true},
    };
    for (const Load& load : kLoads) {
        wizard::state.extInstalledLoad = load.installed;
        tick(step);
        if (load.shown) {
            EXPECT_EQ(step->text(QStringLiteral("Text1_0")), QString::fromLatin1(load.shown));
        }
        EXPECT_EQ(confirm->isEnabled(), load.enabled) << load.installed;
        EXPECT_EQ(warning->isHidden(), load.enabled) << load.installed;
    }
    EXPECT_EQ(
        warning->text(),
        QStringLiteral(
            "安装变形量f1小于零，说明第一步设计参数中输入的安装载荷小于初拉力，需要返回第一步重新输入！"));
}

TEST(ExtensionCheckCore, FreeLengthByEndType) {
    // d 2, D 10, n 20: (n + 1) d + D - d = 50; (n + 1) d + 2 (D - d) = 58; 2 (D - d) + (n + 1.5) d = 59.
    const std::pair<const char*, float> kLengths[] = {
        {"L I", 50},   {"L II", 58},   {"L III", 59}, {"L IV", 40},  {"L V", 40},    {"L VI", 40},
        {"L VII", 40}, {"L VIII", 40}, {"R LI", 50},  {"R LII", 58}, {"R LIII", 59}, {"RLII", 40}};
    for (const auto& [code, length] : kLengths)
        EXPECT_EQ(extensioncheck::freeLength(QString::fromLatin1(code), 2, 10, 20), length) << code;
}

extensioncheck::Inputs plainExtension() {
    return {210, 500, 30, 80000, 1885, QStringLiteral("L III"), 4, 22, 25, 9.6168f, 1.28f};
}

TEST(ExtensionCheckCore, TestLoadStrokeErrorAndBounds) {
    extensioncheck::Inputs in = plainExtension();
    extensioncheck::Results r = extensioncheck::compute(in);
    EXPECT_EQ(r.testLoad, 625.0f);
    EXPECT_EQ(r.initialTension, num::single(4.0 * 3.14159 * 4 * 4 * 4 * 80000 / 800 / 22 / 22));
    in.stroke = r.actualStroke;
    EXPECT_EQ(num::formatSingle(extensioncheck::compute(in).strokeError, u"0.00"), QStringLiteral("0.00"));

    in = plainExtension();
    in.tensileStrength = num::single(double(r.maxShearStress) / double(0.45f));
    r = extensioncheck::compute(in);
    ASSERT_EQ(r.strengthRatio, 0.45f);
    EXPECT_FALSE(r.fatigueOk);
    EXPECT_THROW(extensioncheck::compute({210, 500, 30, 80000, 1885, "L III", 4, 22, 25, 0, 1.28f}),
                 num::CalcFault);
}

TEST(ExtensionCheckCore, ReportSizes) {
    struct Row {
        const char* name;
        float pitch, d, meanDiameter, activeCoils;
        const char* helix;  // "0.0"
        const char* length; // "0.00"
        const char* mass;   // "0.00"
    };
    const Row kRows[] = {
        {"WorkedExample", 4, 4, 22, 25, "3.3", "1865.16", "183.43"},
        // p/D/pi = 1/3.14159 exactly for pitch = D, converted with 3.14.
        {"PitchEqualToMeanDiameter", 10, 2, 10, 8, "17.7", "314.00", "7.72"},
    };
    for (const Row& r : kRows) {
        const extensioncheck::ReportValues v =
            extensioncheck::reportValues(r.pitch, r.d, r.meanDiameter, r.activeCoils);
        EXPECT_EQ(num::format(v.helixAngle, u"0.0"), QString::fromLatin1(r.helix)) << r.name;
        EXPECT_EQ(num::format(v.wireLength, u"0.00"), QString::fromLatin1(r.length)) << r.name;
        EXPECT_EQ(num::format(v.mass, u"0.00"), QString::fromLatin1(r.mass)) << r.name;
    }
    EXPECT_THROW(extensioncheck::reportValues(4, 4, 0, 25), num::CalcFault);
}

TEST(ExtensionCheckCore, DeformationRatioBoundsInclusive) {
    // Loads found by stepping through the floats until the ratio lands on the bound; without
    // initial tension and with a stiff rate the deflections are fine enough for that.
    auto find = [](float extensioncheck::Inputs::*load, float extensioncheck::Results::*ratio, float target) {
        extensioncheck::Inputs in = plainExtension();
        in.shearModulus = 0;
        in.rate = 100;
        const extensioncheck::Results base = extensioncheck::compute(in);
        float candidate =
            num::single(double(base.initialTension) + double(target) * base.testDeflection * in.rate);
        for (int i = 0; i < 1000; ++i)
            candidate = std::nextafter(candidate, -1e9f);
        for (int i = 0; i < 2000; ++i, candidate = std::nextafter(candidate, 1e9f)) {
            in.*load = candidate;
            if (extensioncheck::compute(in).*ratio == target)
                return extensioncheck::compute(in);
        }
        ADD_FAILURE() << target;
        return extensioncheck::compute(in);
    };
    EXPECT_TRUE(
        find(&extensioncheck::Inputs::installedLoad, &extensioncheck::Results::minRatio, 0.2f).minRatioOk);
    EXPECT_TRUE(
        find(&extensioncheck::Inputs::workingLoad, &extensioncheck::Results::maxRatio, 0.8f).maxRatioOk);
}

// --- Form112 to Form115: torsion design -----------------------------------------------------------

void torsionRequirements() {
    wizard::State& s = wizard::state;
    s.torsYoungsModulus = 193000;
    s.torsRequiredRate = 40;
    s.torsWorkingTorque = 3000;
    s.torsWorkingAngle = 75;
    s.torsTensileStrength = 1885;
    s.torsAllowableBending = 1178.125f;
}

TEST_F(WizardTest, TorsionDesignDefaultsWithAndAgainstTheCoilHand) {
    torsionRequirements();
    FormBase* step = open(QStringLiteral("Form112"));
    EXPECT_EQ(step->text(QStringLiteral("Text2_3")), QStringLiteral("40"));
    tick(step);
    const wizard::State& s = wizard::state;
    EXPECT_EQ(s.torsSpringIndex, 8.0f);
    EXPECT_EQ(s.torsCurvatureFactor, num::single(31.0 / 28.0));
    EXPECT_EQ(s.torsDirectionalCurvatureFactor, 1.0f);
    EXPECT_EQ(s.torsDirection, StringTable::text(2038));
    EXPECT_EQ(s.torsActualRate, num::single(193000 * 150.0625 / (80 * 389.0 + 28 * 3670.0 * 7.5)));
    type(step, QStringLiteral("Text2_0"), QStringLiteral("3.50"));
    tick(step);
    wizard::state.torsReport3 = QStringLiteral("R3");
    FormBase* same = step;
    click(same, QStringLiteral("Command1"));
    EXPECT_TRUE(wizard::state.torsReport4.contains(QStringLiteral("    钢丝直径   d=3.50 (mm)\r\n")));
    EXPECT_TRUE(wizard::state.torsReport4.contains(QStringLiteral("    曲度系数   K=1.0\r\n")));

    FormBase* again = open(QStringLiteral("Form112"));
    again->control<QRadioButton>(QStringLiteral("Option2"))->click();
    tick(again);
    EXPECT_EQ(wizard::state.torsDirection, StringTable::text(2039));
    click(again, QStringLiteral("Command1"));
    EXPECT_TRUE(wizard::state.torsReport4.contains(QStringLiteral("    曲度系数   K=1.1\r\n")));
}

TEST(TorsionSeries, WirePicks) {
    const QStringList& wires = series::torsionWireDiameters();
    ASSERT_EQ(wires.size(), 52);
    const std::pair<double, const char*> kPicks[] = {
        {1.2, "1.2"}, {1.21, "1.4"}, {9.5, "10.0"}, {0.05, "0.08"}, {13.5, nullptr}};
    for (const auto& [value, entry] : kPicks) {
        const std::optional<int> index = series::nearestIndex(wires, value);
        if (entry)
            EXPECT_EQ(wires.value(index.value_or(-1)), QString::fromLatin1(entry)) << value;
        else
            EXPECT_FALSE(index.has_value()) << value;
    }
    EXPECT_EQ(
        series::activeCoilSeries().value(series::nearestIndex(series::activeCoilSeries(), 7.8).value_or(-1)),
        QStringLiteral("8.0"));
    EXPECT_FALSE(series::nearestIndex(series::activeCoilSeries(), 30.2).has_value());
}

TEST_F(WizardTest, TorsionTrialWireRepicksOnEveryTick) {
    torsionRequirements();
    wizard::state.torsCurvatureFactor = num::single(31.0 / 28.0);
    wizard::state.torsSpringIndex = 8;
    FormBase* sub = open(QStringLiteral("Form113"));
    EXPECT_EQ(sub->text(QStringLiteral("Text1_0")), QStringLiteral("8"));
    tick(sub);
    const float d = torsiondesign::trialWireDiameter(wizard::state.torsCurvatureFactor, 3000, 1178.125f);
    EXPECT_EQ(sub->text(QStringLiteral("Text1_5")), num::formatSingle(d, u"0.00"));
    const QString pick = sub->text(QStringLiteral("Combo1"));
    EXPECT_FALSE(pick.isEmpty());
    sub->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
    tick(sub);
    EXPECT_EQ(sub->text(QStringLiteral("Combo1")), pick);
    // A negative torque puts a negative number under the cube root: the tick ends quietly.
    wizard::state.torsWorkingTorque = -3000;
    tick(sub);
    EXPECT_EQ(sub->text(QStringLiteral("Text1_5")), num::formatSingle(d, u"0.00"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WizardTest, TorsionMeanDiameter) {
    wizard::state.torsSpringIndex = 8;
    wizard::state.torsWireDia = 3.5f;
    FormBase* sub = open(QStringLiteral("Form114"));
    tick(sub);
    expectTexts(sub, {{"Text1_0", "8"}, {"Text1_1", "3.5"}, {"Text1_2", "28"}});
    type(sub, QStringLiteral("Text1_0"), QStringLiteral("7.11"));
    tick(sub);
    EXPECT_EQ(sub->text(QStringLiteral("Text1_2")), QStringLiteral("24.9"));
    EXPECT_EQ(wizard::state.torsSpringIndex, 8.0f);
}

TEST_F(WizardTest, TorsionActiveCoilsPickOnceAndKeepTheHandChoice) {
    torsionRequirements();
    wizard::state.torsWireDia = 3.5f;
    wizard::state.torsMeanDia = 28;
    FormBase* sub = open(QStringLiteral("Form115"));
    const float n = torsiondesign::trialActiveCoils(193000, 3.5f, 75, 28, 3000);
    EXPECT_EQ(sub->text(QStringLiteral("Text1_4")), num::formatSingle(n, u"0.00"));
    EXPECT_FALSE(sub->text(QStringLiteral("Combo1")).isEmpty());
    sub->comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(sub->text(QStringLiteral("Combo1")), QStringLiteral("2.00"));
    click(sub, QStringLiteral("Command1"));
    EXPECT_EQ(FormRegistry::readText(QStringLiteral("Form112"), QStringLiteral("Text2_2")),
              QStringLiteral("2.00"));
}

TEST_F(WizardTest, TorsionActiveCoilsBeforeAnyDesignShowTheInputErrorOnce) {
    FormBase* sub = open(QStringLiteral("Form115"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    expectTexts(sub, {{"Text1_4", ""}, {"Combo1", ""}});
}

// --- Form116: torsion check -----------------------------------------------------------------------

TEST_F(WizardTest, TorsionCheckExample) {
    wizard::State& s = wizard::state;
    s.torsActualRate = 10;
    s.torsInstalledAngle = 30;
    s.torsWorkingAngle = 60;
    s.torsWireDia = 2;
    s.torsMeanDia = 16;
    s.torsActiveCoils = 7.5f;
    s.torsAllowableBending = 1000;
    s.torsTensileStrength = 2000;
    FormBase* step = open(QStringLiteral("Form116"));
    EXPECT_EQ(step->text(QStringLiteral("Label5")), QStringLiteral("Label5"));
    tick(step);
    expectTexts(step, {{"Text1_0", "300.000"},
                       {"Text1_1", "600.000"},
                       {"Text1_6", "381.972"},
                       {"Text1_7", "763.944"},
                       {"Text1_8", "0.500"},
                       {"Text1_14", "1000.000"}});
    EXPECT_EQ(step->text(QStringLiteral("Label5")), StringTable::text(2332));
}

TEST(TorsionCheckCore, TorquesFromRoundedRatesAndTheFatigueBound) {
    torsioncheck::Inputs in{12.3456f, 10, 10, 2, 16, 7.5f, 1000, 2000};
    torsioncheck::Results r = torsioncheck::compute(in);
    EXPECT_EQ(r.installedTorque, num::single(12.346 * 10));
    EXPECT_EQ(r.workingTorque, num::single(12.35 * 10));
    in.tensileStrength = num::single(double(r.maxStress) / double(0.7f));
    r = torsioncheck::compute(in);
    ASSERT_EQ(r.strengthRatio, 0.7f);
    EXPECT_TRUE(r.fatigueOk);
    in.tensileStrength = std::nextafter(std::nextafter(in.tensileStrength, 0.0f), 0.0f);
    EXPECT_FALSE(torsioncheck::compute(in).fatigueOk);
    in.rate = 0;
    EXPECT_THROW(torsioncheck::compute(in), num::CalcFault);
}

TEST_F(WizardTest, TorsionCheckReportBodyLinesAndConfirmBeforeTheFirstTick) {
    wizard::State& s = wizard::state;
    s.torsActualRate = 10;
    s.torsInstalledAngle = 30;
    s.torsWorkingAngle = 60;
    s.torsWireDia = 3.5f;
    s.torsMeanDia = 28;
    s.torsActiveCoils = 7.5f;
    s.torsAllowableBending = 1000;
    s.torsTensileStrength = 2000;
    FormBase* early = open(QStringLiteral("Form116"));
    click(early, QStringLiteral("Command1"));
    EXPECT_TRUE(s.torsReport5.contains(StringTable::text(2359) + QStringLiteral("Label5\r\n\r\n")));
    EXPECT_TRUE(
        s.torsReport5.contains(StringTable::text(2366) + QStringLiteral("0.0") + StringTable::text(2395)));
    flush();
    FormBase* step = open(QStringLiteral("Form116"));
    tick(step);
    click(step, QStringLiteral("Command1"));
    EXPECT_TRUE(s.torsReport5.contains(StringTable::text(2366) + QStringLiteral("29.8") +
                                       StringTable::text(2395) + QStringLiteral(" (mm)\r\n")));
}

// The whole reports, line by line, as checked against the steps' report rules; the footer's
// date follows the system's short date format and is put in from the fixed clock.
const char* const kExtensionReport2052 = R"(           --------拉伸弹簧设计报告--------


一、设计要求：

    安装载荷(要求) F1'=210 (N)
    工作载荷(要求) F2'=500 (N)
    工作行程       h=30 (mm)
    要求刚度       k'=9.67 (N/mm)
    试验载荷       Fs=625.00 (N)
    载荷作用次数   N=10000(次)
    载荷类型       NType=II


二、材料参数：

    材料名称      M_Name=琴钢丝 A228
    切变模量      G=80000 (Mpa)
    抗拉强度     6b=1885 (Mpa)
    推荐温度范围 0~120 (℃)
    许用切应力   zb=603 (Mpa)


三、端部型式：

    端部型式       sType=L III
    端部材料长度与中径比 L'/D=4.12


四、弹簧基本参数：

    钢丝直径   d=4.0 (mm)
    弹簧中径   D=22 (mm)
    旋绕比     C=5.5
    曲度系数   K=1.28
    有效圈数   n=25(圈)
    实际刚度   k=9.62 (N/mm)


五、校核与分析：

    工作行程       h=30 (mm)
    实际工作行程 hp=30.2 (mm)
    行程误差  6h=0.52 (%)
    要求刚度  k'=9.67 (N/mm)
    实际刚度  k=9.62 (N/mm)
    刚度相对误差  6k=0.52 (%)
    拉簧初拉力 F0=166.17 (N)
    安装变形量  f1=4.56 (mm)
    工作变形量  f2=34.71 (mm)
    试验变形量  fs=47.71 (mm)
    最小变形比  f1/fs=0.10
    弹簧特性(安装)  Tf1x
    最大变形比  f2/fs=0.73
    弹簧特性(工作)  Tf2：ok
    最小切应力  zmin=235.29 (Mpa)
    最大切应力  zmax=560.23 (Mpa)
    切应力特性系数  v：0.42
    最大切应力比抗拉强度 zmax/6b=0.30
    弹簧疲劳强度  Tq：满足疲劳强度要求√

六、其余尺寸参数

    自由高度  H0=142.00 (mm)(若为长钩，再加两钩总高)
    安装高度  H1=146.56 (mm)(若为长钩，再加两钩总高)
    工作高度  H2=176.71 (mm)(若为长钩，再加两钩总高)
    试验高度  Hs=189.71 (mm)(若为长钩，再加两钩总高)
    节距  p=4.00 (mm)
    螺旋角  α3.3(度)(一般5°~9°)
    弹簧材料展开长度  L=1865.16 (mm)(若为长钩，再加长出部分)
    弹簧质量  M=183.43(克)(若为长钩，再加长出部分)


@FOOTER@
)";

const char* const kExtensionReport1033 = R"(       ---------Tensile spring design report------


1.Design requirements:

    Install load (demand) F1 '=210 (N)
    Working load (demand) F2 '=500 (N)
    Working stroke h =30 (mm)
    Request stiffness k =9.67 (N/mm)
    Test load    Fs =625.00 (N)
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
    Allowable shearing stress zb=603 (Mpa)


3. end type: 



    The end of sType = 

L III
    End material length and the diameter ratio L/D =4.12


4.spring basic parameters: 


    Wire diameter d = 

4.0 (mm)
    Spring mean diameter D = 

22 (mm)
    To rotate than C = 

5.5
    Curvature coefficient K = 

1.28
    Effective number of turns n = 

25    (Turns)
    The actual stiffness k = 

9.62 (N/mm)


5.check and analysis: 


    Working stroke h =30 (mm)
Working stroke HP =30.2 (mm)
Stroke error delta h =0.52 (%)
Request stiffness k' = 

9.67 (N/mm)
The actual stiffness k = 

9.62 (N/mm)
The delta k = stiffness relative errors 

0.52 (%)
At the beginning of the tension spring tension F0 =166.17 (N)
Install the deformation 

f1 =4.56 (mm)
Work  deformation 

f2 =34.71 (mm)
Test the  deformation 

fs =47.71 (mm)
The minimum deformation than f1 / fs =0.10
Spring characteristics (installation)Tf1 

x
Maximum deformation than the f2 / fs =0.73
Spring characteristics (work) Tf2: 

ok
The minimum shear stress Min235.29 (Mpa)
The maximum shear stress Max560.23 (Mpa)
Shear stress characteristic coefficient of gamma: 

0.42
The maximum shear stress than the tensile strength of tau Max/sigma0.30
Spring fatigue strength Tq: 

Meet the requirements of fatigue strength OK

6.The rest of the size parameters 


Free height H0 = 

142.00 (mm)(If long hook, plus two hook always high)
The installation height of H1 = 

146.56 (mm)(If long hook, plus two hook always high)
Work high H2 = 

176.71 (mm)(If long hook, plus two hook always high)
Test height Hs = 

189.71 (mm)(If long hook, plus two hook always high)
Pitch p = 

4.00 (mm)
Spiral Angle a3.3(c) (5 ° ~ 9 °) 


Length of spring material 
L=1865.16 (mm)(For long hook, and then extended out of the part)
Spring mass M = 

183.43(g)(For long hook, and then extended out of the part)


@FOOTER@
)";

const char* const kTorsionReport2052 = R"(           --------扭转弹簧设计报告--------


一、设计要求：

    安装扭矩(要求) T1'=1000 (N.mm)
    工作扭矩(要求) T2'=3000 (N.mm)
    变形角∮50度
    自由角度∮0120度
    要求刚度  k'=40.0N.mm/度
    安装变形角∮125.0度
    工作变形角∮275.0度
    载荷作用次数   N=100(次)
    载荷类型       NType=III


二、材料参数：

    材料名称      M_Name=琴钢丝 A228
    切变模量      G=193000 (Mpa)
    抗拉强度     6b=1885 (Mpa)
    推荐温度范围 0~120 (℃)
    许用切应力   zb=1178.1 (Mpa)


三、端部型式：

    端部型式       sType=NV


四、弹簧基本参数：

    钢丝直径   d=3.5 (mm)
    弹簧中径   D=28 (mm)
    旋绕比     C=8
    曲度系数   K=1.0
    有效圈数   n=7.5(圈)
    实际刚度   k=36.12N.mm/度
    抗拉强度     6b=1885 (Mpa)
    许用切应力   zb=1178.125 (Mpa)


五、校核与分析：

    安装扭矩(设计) T1=903 (N.mm)
    工作扭矩(设计) T2=2709 (N.mm)
    试验许用弯曲应力最大值 6s=1178.125 (Mpa)
    试验扭矩 Ts=4959.011 (N.mm)
    试验变形角 ∮s137.2911度
    最小切应力  zmin=214.528 (Mpa)
    最大切应力  zmax=643.5842 (Mpa)
    切应力特性系数  v：0.33
    最大切应力比抗拉强度 zmax/6b=0.34
    弹簧疲劳强度  Tq：满足疲劳强度要求√

六、其余尺寸参数

    自由高度  H0=29.8+扭臂轴线上长度 (mm)
    工作时变小的直径 △d=1.4 (mm)
    导杆的直径 D=23.1 (mm)
    弹簧材料展开长度  L=659.73+扭臂展开长度 (mm)


@FOOTER@
)";

const char* const kTorsionReport1033 = R"(--------torsional spring design report-------


1.Design requirements:

Install torque (require) T1 '=1000 (N.mm)
Work torque (requirements) T2 '=3000 (N.mm)
    deformation angle50degree 

    Free Angle120degree 

Request stiffness k' = 

40.0N.mm/degree 

    install ofdeformation angle25.0degree 

    work deformation angle75.0degree 

    Loading times N =100(time)
    Load type NType =III


2.the material parameters:

    The name of the material M_Name = 

Music wire A228
    The shear modulus G = 

193000 (Mpa)
    Tensile strength of sigma 6b = 

1885 (Mpa)
    Recommended temperature range 

0~120 (℃)
    Allowable shearing stress zb=1178.1 (Mpa)


三、端部型式：

    端部型式       sType=NV


4.spring basic parameters: 


    Wire diameter d = 

3.5 (mm)
    Spring mean diameter D = 

28 (mm)
    To rotate than C = 

8
    Curvature coefficient K = 

1.0
    Effective number of turns n = 

7.5    (Turns)
    The actual stiffness k = 

36.12N.mm/degree 

    Tensile strength of sigma 6b = 

1885 (Mpa)
    Allowable shearing stress zb=1178.125 (Mpa)


5.check and analysis: 


Install torque (design) T1 =903 (N.mm)
Work torque (design) T2 = 2709 (N.mm)
Test a maximum allowable bending stress sigma 1178.125 (Mpa)
Test torque Ts =4959.011 (N.mm)
Test the deformation Angle137.2911degree 

The minimum shear stress Min214.528 (Mpa)
The maximum shear stress Max643.5842 (Mpa)
Shear stress characteristic coefficient of gamma: 

0.33
The maximum shear stress than the tensile strength of tau Max/sigma0.34
Spring fatigue strength Tq: 

Meet the requirements of fatigue strength OK

6.The rest of the size parameters 


Free height H0 = 

29.8+ Axis twisting arm length (mm)
The diameter of the smaller work1.4 (mm)
The diameter of the guide bar D =23.1 (mm)
Length of spring material 
L=659.73+ Twist arm length (mm)


@FOOTER@
)";

struct RunCase {
    const char* name;
    const char* hub;
    Language language;
    const char* file;
    const char* golden;
};

class WizardRun : public WizardTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(WizardRun, WholeReportAndSavedFile) {
    const RunCase& c = GetParam();
    StringTable::setLanguage(c.language);
    materialdb::setFileOverride(QString::fromLatin1(c.file));
    const QString report = runWizard(QString::fromLatin1(c.hub));
    const QString expected = expectedReport(c.golden);
    EXPECT_EQ(lines(report), lines(expected));
    EXPECT_TRUE(prompts().requests.isEmpty());
    expectSavedReport(QString::fromLatin1(c.hub), expected);
}

const RunCase kRuns[] = {
    {"ExtensionSimplifiedChinese", "Form99", Language::ZhCN, "db.mdb", kExtensionReport2052},
    {"ExtensionEnglish", "Form99", Language::EnUS, "dben.mdb", kExtensionReport1033},
    {"TorsionSimplifiedChinese", "Form108", Language::ZhCN, "db.mdb", kTorsionReport2052},
    {"TorsionEnglish", "Form108", Language::EnUS, "dben.mdb", kTorsionReport1033},
};
INSTANTIATE_TEST_SUITE_P(Wizard, WizardRun, ::testing::ValuesIn(kRuns), caseName<RunCase>);

} // namespace
