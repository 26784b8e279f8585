// The cost-analysis wizard through its windows: the whole run with its defaults, the hub's
// states, the messages of the steps, the material step's timer and the saved report.

#include "CostWizardTest.h"
#include "support/WindowCases.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace costwizard;

class CostWizard : public CostWizardTest {};

// The 55 lines of the report after a run with every default.
QStringList defaultReport() {
    QStringList l = {
        "        --------弹簧成本分析报告--------",
        "",
        "",
        "一、产品信息:",
        "",
        "    客户名称：Sample Customer Ltd.",
        "    型    号：spring-123456",
        "    品名/料号：SP-0001",
        "",
        "",
        "二、产品规格：",
        "",
        "    钢丝直径 d：    1 (mm)",
        "    弹簧中径 D：    6 (mm)",
        "    弹簧旋绕比 C：  6(一般4≤C≤14)",
        "    弹簧总圈数 n1： 8圈",
        "    其余部分展开长：0 (mm)",
        "",
        "",
        "三、弹簧材料：",
        "",
        "    材料名称 M_name：碳钢线 SWC",
        "    材料单价 ￥：    30元/公斤",
        "    运输费用：       2元/公斤",
        "    弹簧单重：       0.93克/个",
        "    弹簧损耗：       5 %",
        "    单个材料价格：   0.0312元/个",
        "",
        "",
        "四、制造成本：",
        "",
        "    人工费：     0.0076元/个",
        "    设备折旧：   0.0076元/个",
        "    水电费：     0.0010元/个",
        "    电镀费用：   0.0000元/个",
        "    二次加工费： 0.0000元/个",
        "    回火费用：0.0000元/个",
        "    包装费用：0.0000元/个",
        "    管理费用：0.0000元/个",
        "    其它费用：   0.0010元/个",
        "    合理利润：   0.0019元/个",
        "",
        "五、计算结果：",
        "",
        "    未含税价格(建议)： 0.059元/个",
        "",
        "    含税价格(建议)：   0.059元/个",
        "",
        "    最低价格(大批量)： 0.059元/个",
        "",
        "",
        "注：批量少于16800个时，此单价无效，按总金额984元收费。",
        "",
        "",
    };
    l << QStringLiteral("----Quarnet弹簧成本分析系统----") + report::footerTime(CostWizardTest::fixedTime());
    return l;
}

TEST_F(CostWizard, DefaultsGiveTheWholeReportAndItsFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cost.txt"));
    report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });

    runDefaults(4);
    DesignWizard* h = hub();
    ASSERT_NE(h, nullptr);
    const QStringList got = lines(h->report());
    const QStringList want = defaultReport();
    ASSERT_EQ(got.size(), 56);
    EXPECT_TRUE(got.last().isEmpty()); // the text ends with CR LF
    for (int i = 0; i < 55; ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(h->report(), CostReport4);
    EXPECT_EQ(offers(h), QStringLiteral("1111/1111"));
    EXPECT_EQ(h->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
              QString(CostReport4).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    EXPECT_FLOAT_EQ(CostWireDia, 1);
    EXPECT_FLOAT_EQ(CostMeanDia, 6);
    EXPECT_FLOAT_EQ(CostTotalCoils, 8);
    EXPECT_FLOAT_EQ(CostMachineRate, 40);
    EXPECT_FLOAT_EQ(CostSpeed, 35);
    EXPECT_NEAR(CostNetPrice, 0.058572, 2e-6);
    EXPECT_EQ(CostNetPrice, CostPriceWithTax);

    click(h, QStringLiteral("Command5"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), (CostReport4 + QStringLiteral("\r\n")).toUtf8());
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CostWizard, FreshHubOffersOnlyStepOne) {
    auto* h = open<DesignWizard>(QStringLiteral("Form117"));
    EXPECT_EQ(h->windowTitle(), StringTable::text(2050));
    EXPECT_EQ(h->text(QStringLiteral("Frame1")), StringTable::text(2051));
    const int captions[] = {2055, 2054, 2053, 2052, 1952};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(h->text(QStringLiteral("Command%1").arg(i + 1)), StringTable::text(captions[i]));
    EXPECT_FALSE(h->findChild<QWidget*>(QStringLiteral("Command6")));
    EXPECT_EQ(offers(h), QStringLiteral("0000/0000"));
    EXPECT_EQ(h->report(), QStringLiteral("        --------请按左边按钮开始报价---------"));
}

TEST_F(CostWizard, RedoingStepTwoReplacesItsSection) {
    runDefaults(4);
    DesignWizard* h = hub();
    const QString full = h->report();
    FormBase* spec = openStep(2);
    // Later steps are withdrawn, the report stays until the step is confirmed.
    EXPECT_EQ(offers(h), QStringLiteral("1000/1000"));
    EXPECT_EQ(h->report(), full);

    type(spec, QStringLiteral("Text1_1"), QStringLiteral("20"));
    type(spec, QStringLiteral("Text1_0"), QStringLiteral("3"));
    click(spec, QStringLiteral("Command1"));
    const QStringList l = lines(h->report());
    EXPECT_EQ(l.size(), 18);
    EXPECT_EQ(l[14], QStringLiteral("    弹簧旋绕比 C：  6.666667(一般4≤C≤14)"));
    EXPECT_EQ(offers(h), QStringLiteral("1100/1100"));
    // Kept: the later reports stay until their steps are confirmed again.
    EXPECT_EQ(CostReport4, full);
}

TEST_F(CostWizard, ConfirmingStepOneAgainOffersOnlyStepTwo) {
    runDefaults(4);
    DesignWizard* h = hub();
    FormBase* info = openStep(1);
    EXPECT_EQ(offers(h), QStringLiteral("1111/1111")); // opening step 1 withdraws nothing
    type(info, QStringLiteral("Text1_0"), QString());
    click(info, QStringLiteral("Command1"));
    const QStringList l = lines(h->report());
    EXPECT_EQ(l.size(), 9);
    EXPECT_EQ(l[5], QStringLiteral("    客户名称："));
    // No later section can be appended to sections built from older inputs.
    EXPECT_EQ(offers(h), QStringLiteral("1000/1000"));
}

TEST_F(CostWizard, StepLeftOpenFollowsTheLatestStepOne) {
    runDefaults(1);
    DesignWizard* h = hub();
    FormBase* spec = openStep(2);
    FormBase* info = openStep(1);
    type(info, QStringLiteral("Text1_0"), QStringLiteral("Other Buyer"));
    click(info, QStringLiteral("Command1"));
    flush();
    click(spec, QStringLiteral("Command1"));
    const QStringList l = lines(h->report());
    EXPECT_EQ(l.size(), 18);
    EXPECT_EQ(l[5], QStringLiteral("    客户名称：Other Buyer"));
    EXPECT_EQ(offers(h), QStringLiteral("1100/1100"));
}

TEST_F(CostWizard, ReopenedHubStartsAfreshAndKeepsTheVariables) {
    runDefaults(3);
    hub()->close();
    flush();
    ASSERT_EQ(hub(), nullptr);
    auto* h = open<DesignWizard>(QStringLiteral("Form117"));
    EXPECT_EQ(offers(h), QStringLiteral("0000/0000"));
    EXPECT_EQ(h->report(), StringTable::text(2225));
    EXPECT_FLOAT_EQ(CostWireDia, 1);
    EXPECT_FLOAT_EQ(CostMaterialPrice, 30);
    EXPECT_EQ(CostDensity, QStringLiteral("7.85"));
    EXPECT_EQ(lines(CostReport3).size(), 28);
}

TEST_F(CostWizard, ConfirmLoadsAClosedHubHidden) {
    open(QStringLiteral("Form117"));
    FormBase* info = openStep(1);
    hub()->close();
    flush();
    click(info, QStringLiteral("Command1"));
    DesignWizard* h = hub();
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(h->isVisible());
    EXPECT_EQ(offers(h), QStringLiteral("1000/1000"));
    EXPECT_EQ(h->report(), CostReport1);
    // The main window's command then shows that hub as it is.
    EXPECT_EQ(FormRegistry::show(QStringLiteral("Form117")), h);
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(offers(h), QStringLiteral("1000/1000"));
}

TEST_F(CostWizard, BlankBeforeANumberIsStillTheNumber) {
    runDefaults(1);
    FormBase* spec = openStep(2);
    type(spec, QStringLiteral("Text1_0"), QStringLiteral(" 1"));
    click(spec, QStringLiteral("Command1"));
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_FLOAT_EQ(CostWireDia, 1);
    EXPECT_EQ(lines(CostReport2)[12], QStringLiteral("    钢丝直径 d：     1 (mm)"));
}

// --- Messages: nothing is stored, the report and the hub stay, the step stays open -----------

struct MessageCase {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    std::vector<int> message; // text ids run together
};

const MessageCase kMessages[] = {
    {"WireDiameterEmpty", "Form119", {{"Text1_0", ""}}, {1383, 1333}},
    {"MeanDiameterEmpty", "Form119", {{"Text1_1", ""}}, {1383, 1332}},
    {"CoilsEmpty", "Form119", {{"Text1_2", ""}}, {1383, 1331}},
    {"FirstEmptyFieldIsNamed", "Form119", {{"Text1_1", ""}, {"Text1_2", ""}}, {1383, 1332}},
    {"OtherLengthEmpty", "Form119", {{"Text1_3", ""}}, {1383, 2059}},
    {"WireDiameterFraction", "Form119", {{"Text1_0", "1/2"}}, {1383, 1333}},
    {"CoilsBlanksOnly", "Form119", {{"Text1_2", "  "}}, {1383, 1331}},
    {"WireDiameterZero", "Form119", {{"Text1_0", "0"}}, {1035}},
    {"UnitPriceEmpty", "Form120", {{"Text1_0", ""}}, {2242}},
    {"UnitPriceFraction", "Form120", {{"Text1_0", "1/2"}}, {1383, 2062}},
    {"FreightEmpty", "Form120", {{"Text1_1", ""}}, {1383, 2061}},
    {"LossBlank", "Form120", {{"Text1_3", " "}}, {1383, 2060}},
    {"MachineCostEmpty", "Form121", {{"Combo1", ""}}, {1383, 1455}},
    {"MachineCostFraction", "Form121", {{"Combo1", "1/2"}}, {1383, 1455}},
    {"SpeedZero", "Form121", {{"Text19_1", "0"}}, {1035}},
    {"TemperingNoNumber", "Form121", {{"Text19_3", "."}}, {1383, 2440}},
    {"TaxEmpty", "Form121", {{"Text19_6", ""}}, {1383, 1460}},
};

class CostWizardMessage : public CostWizardTest, public ::testing::WithParamInterface<MessageCase> {};

struct Snapshot {
    QStringList texts;
    std::vector<float> values;
    QString hubReport;
    QString hubOffers;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
    Snapshot s;
    s.texts = {CostReport1, CostReport2, CostReport3, CostReport4, CostDensity};
    s.values = {CostWireDia,     CostMeanDia,       CostTotalCoils,  CostExtraLength,
                CostPieceWeight, CostMaterialPrice, CostFreight,     CostLossPercent,
                CostMachineRate, CostPlatingPrice,  CostSpeed,       CostSecondaryProcessing,
                CostTaxPercent,  CostNetPrice,      CostPriceWithTax};
    s.hubReport = CostWizardTest::hub()->report();
    s.hubOffers = CostWizardTest::offers(CostWizardTest::hub());
    return s;
}

TEST_P(CostWizardMessage, StoresNothingAndKeepsTheStepOpen) {
    const MessageCase& c = GetParam();
    runDefaults(4);
    FormBase* w = open(QString::fromLatin1(c.window));
    if (QString::fromLatin1(c.window) == QStringLiteral("Form120"))
        tick(w); // the material step weighs before Confirm
    typeAll(w, c.inputs);
    const Snapshot before = snapshot();
    click(w, QStringLiteral("Command1"));
    QString message;
    for (int id : c.message)
        message += StringTable::text(id);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), message);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_FALSE(w->isClosed());
}

INSTANTIATE_TEST_SUITE_P(CostWizard, CostWizardMessage, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// The same messages in the shared window tables, which also check the title and that no box
// shows a non-finite text.
const RequiredCase kRequired[] = {
    {"Form119WireDiameter", "Form119", {{"Text1_0", ""}}, 1333},
    {"Form119OtherLength", "Form119", {{"Text1_3", "1/2"}}, 2059},
    {"Form121MachineCost", "Form121", {{"Combo1", " "}}, 1455},
};
INSTANTIATE_TEST_SUITE_P(CostWizard, RequiredField, ::testing::ValuesIn(kRequired), caseName<RequiredCase>);

const FaultCase kFaults[] = {
    {"Form119WireDiameterZero", "Form119", {{"Text1_0", "0"}}},
    {"Form119BeyondSingleRange", "Form119", {{"Text1_1", "1e39"}}},
    {"Form121SpeedZero", "Form121", {{"Text19_1", "0"}}},
};
INSTANTIATE_TEST_SUITE_P(CostWizard, InputFault, ::testing::ValuesIn(kFaults), caseName<FaultCase>);

// --- The material step's timer -------------------------------------------------------------------

TEST_F(CostWizard, WeightAppearsAfterTheFirstTick) {
    runDefaults(2);
    FormBase* w = openStep(3);
    EXPECT_TRUE(w->isEmpty(QStringLiteral("Text1_2")));
    EXPECT_TRUE(QTest::qWaitFor([w] { return !w->isEmpty(QStringLiteral("Text1_2")); }, 2000));
    EXPECT_EQ(w->text(QStringLiteral("Text1_2")), QStringLiteral("0.93"));
    EXPECT_TRUE(w->field(QStringLiteral("Text1_2"))->isReadOnly());
}

TEST_F(CostWizard, WeightFollowsTheMaterialAndKeepsItForUnknownText) {
    runDefaults(2);
    FormBase* w = openStep(3);
    const struct {
        const char* material;
        const char* shown;
    } steps[] = {{"纯铜线 CU", "1.05"},
                 {"brass", "1.05"},
                 {"铁线 SUM", "0.93"},
                 {"铝线 AL", "0.32"},
                 {"铝线 al", "0.32"}};
    for (const auto& s : steps) {
        type(w, QStringLiteral("Combo1"), QString::fromUtf8(s.material));
        tick(w);
        EXPECT_EQ(w->text(QStringLiteral("Text1_2")), QString::fromUtf8(s.shown)) << s.material;
    }
    EXPECT_EQ(CostDensity, QStringLiteral("2.7"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CostWizard, CancelAfterCopperKeepsTheCopperWeight) {
    runDefaults(3);
    const QString report = hub()->report();
    FormBase* w = openStep(3);
    type(w, QStringLiteral("Combo1"), QStringLiteral("纯铜线 CU"));
    tick(w);
    click(w, QStringLiteral("Command2"));
    EXPECT_TRUE(w->isClosed());
    EXPECT_EQ(num::formatSingle(CostPieceWeight, u"0.00"), QStringLiteral("1.05"));
    EXPECT_EQ(CostDensity, QStringLiteral("8.9"));
    EXPECT_EQ(hub()->report(), report);
    EXPECT_EQ(lines(CostReport3)[24], QStringLiteral("    弹簧单重：       0.93克/个"));
}

TEST_F(CostWizard, NoWeightBeforeAnyMaterialMatched) {
    runDefaults(2);
    FormBase* w = openStep(3);
    type(w, QStringLiteral("Combo1"), QStringLiteral("brass"));
    tick(w);
    EXPECT_TRUE(w->isEmpty(QStringLiteral("Text1_2")));
    EXPECT_TRUE(CostDensity.isEmpty());
    EXPECT_EQ(CostPieceWeight, 0);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CostWizard, TickThatOverflowsShowsNoBox) {
    runDefaults(2);
    FormBase* w = openStep(3);
    tick(w);
    ASSERT_EQ(w->text(QStringLiteral("Text1_2")), QStringLiteral("0.93"));
    CostWireDia = 1e30f;
    tick(w);
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(w->text(QStringLiteral("Text1_2")), QStringLiteral("0.93"));
    expectNoNonFinite(w);
}

// --- Save As ----------------------------------------------------------------------------------------

TEST_F(CostWizard, CancelAfterAnEarlierSaveWritesNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cost.txt"));
    QString chosen = path;
    report::setFileChooser([&chosen](QWidget*, const QString&, const QString&) { return chosen; });
    runDefaults(4);
    click(hub(), QStringLiteral("Command5"));
    ASSERT_TRUE(QFile::exists(path));
    ASSERT_TRUE(QFile::remove(path));
    chosen.clear();
    click(hub(), QStringLiteral("Command5"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CostWizard, UnwritableFileIsReported) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/cost.txt"));
    report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });
    runDefaults(4);
    click(hub(), QStringLiteral("Command5"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(prompts().requests.size(), 1);
}

} // namespace
