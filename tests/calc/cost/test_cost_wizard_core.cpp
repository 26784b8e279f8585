// The cost-analysis wizard's arithmetic and report, without windows: a whole report built
// from each variant's inputs, line by line.

#include "calc/cost/CostWizardCore.h"
#include "calc/cost/CostWizardReport.h"
#include "calc/cost/WireDensityTable.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "platform/TextReport.h"

#include <gtest/gtest.h>

namespace {

using namespace costwizard;

struct LineEnd {
    int line; // 1-based
    const char* ending;
};

struct Variant {
    const char* name;
    float d, D, n1, L;
    const char* material;
    float price, freight, loss;
    float machine, plating, speed, secondary, tempering, packing, management, tax;
    std::vector<LineEnd> expected;
    const char* note; // line 52
};

const QDateTime kWhen(QDate(2024, 3, 5), QTime(14, 7, 9));

// The report of all four steps as the windows build it, the weight box showing "0.00".
QStringList reportLines(const Variant& v) {
    const double density = WireDensityTable::density(WireDensityTable::Variant::Full,
                                                     QString::fromUtf8(v.material), kMaterialRows);
    const float weight = pieceWeight(density, v.d, v.D, v.n1, v.L);
    QString r = productSection({QStringLiteral("c"), QStringLiteral("m"), QStringLiteral("p")});
    r = specificationSection(
        r, {num::textSingle(v.d), num::textSingle(v.D), num::textSingle(v.n1), num::textSingle(v.L)},
        springIndex(v.D, v.d));
    r = materialSection(r,
                        {QString::fromUtf8(v.material), num::textSingle(v.price), num::textSingle(v.freight),
                         num::formatSingle(weight, u"0.00"), num::textSingle(v.loss)},
                        materialCost(v.price, v.freight, weight, v.loss));
    const ManufacturingInputs in{weight,  v.price,     v.freight,   v.loss,    v.machine,    v.plating,
                                 v.speed, v.secondary, v.tempering, v.packing, v.management, v.tax};
    r = manufacturingSection(r, in, manufacturing(in), kWhen);
    return r.split(QStringLiteral("\r\n"));
}

const Variant kVariants[] = {
    {"Defaults",
     1,
     6,
     8,
     0,
     "碳钢线 SWC",
     30,
     2,
     5,
     40,
     0,
     35,
     0,
     0,
     0,
     0,
     0,
     {{15, "6(一般4≤C≤14)"},
      {25, "0.93克/个"},
      {27, "0.0312元/个"},
      {32, "0.0076元/个"},
      {33, "0.0076元/个"},
      {34, "0.0010元/个"},
      {35, "0.0000元/个"},
      {40, "0.0010元/个"},
      {41, "0.0019元/个"},
      {45, "0.059元/个"},
      {47, "0.059元/个"},
      {49, "0.059元/个"}},
     "注：批量少于16800个时，此单价无效，按总金额984元收费。"},
    {"PackingAboveTheLowestPrice",
     1,
     6,
     8,
     0,
     "碳钢线 SWC",
     30,
     2,
     5,
     40,
     0,
     35,
     0,
     0,
     0.05f,
     0,
     0,
     {{38, "0.0500元/个"}, {45, "0.100元/个"}, {47, "0.100元/个"}, {49, "0.059元/个"}},
     "注：批量少于16800个时，此单价无效，按总金额1685元收费。"},
    {"LightSpringUnderTheMinimumBatch",
     0.3f,
     2,
     10,
     0,
     "碳钢线 SWC",
     30,
     2,
     5,
     40,
     0,
     35,
     0,
     0,
     0,
     0,
     0,
     {{25, "0.03克/个"}, {45, "0.020元/个"}, {49, "0.013元/个"}},
     "注：批量少于16800个时，此单价无效，按总金额340元收费。"},
    {"HeavySpringWithTax",
     2,
     20,
     10,
     50,
     "碳钢线 SWC",
     30,
     2,
     5,
     60,
     8,
     20,
     0.1f,
     0.05f,
     0.05f,
     0.02f,
     13,
     {{15, "10(一般4≤C≤14)"},
      {25, "16.73克/个"},
      {27, "0.5621元/个"},
      {35, "0.1338元/个"},
      {36, "0.1000元/个"},
      {37, "0.0500元/个"},
      {39, "0.0200元/个"},
      {45, "1.054元/个"},
      {47, "1.191元/个"},
      {49, "1.054元/个"}},
     "注：批量少于9600个时，此单价无效，按总金额10117元收费。"},
};

class CostReportVariant : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override { StringTable::setLanguage(Language::ZhCN); }
};

TEST_P(CostReportVariant, LinesShowTheExpectedValues) {
    const Variant& v = GetParam();
    const QStringList lines = reportLines(v);
    ASSERT_EQ(lines.size(), 56); // 55 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (const LineEnd& e : v.expected)
        EXPECT_TRUE(lines[e.line - 1].endsWith(QString::fromUtf8(e.ending)))
            << "line " << e.line << ": " << lines[e.line - 1].toStdString();
    EXPECT_EQ(lines[51], QString::fromUtf8(v.note));
    EXPECT_EQ(lines[54], StringTable::text(2258) + report::footerTime(kWhen));
}

INSTANTIATE_TEST_SUITE_P(CostWizard, CostReportVariant, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CostWizardCore, PieceWeightPerMaterialWithTheSpecificationDefaults) {
    StringTable::setLanguage(Language::ZhCN);
    const struct {
        const char* material;
        const char* shown;
    } rows[] = {{"纯铜线 CU", "1.05"},       {"碳钢线 SWC", "0.93"}, {"琴钢线 SWP", "0.93"},
                {"不锈钢线 SUS304", "0.93"}, {"铁线 SUM", "0.93"},   {"铝线 AL", "0.32"}};
    for (const auto& row : rows) {
        const double density = WireDensityTable::density(WireDensityTable::Variant::Full,
                                                         QString::fromUtf8(row.material), kMaterialRows);
        EXPECT_EQ(num::formatSingle(pieceWeight(density, 1, 6, 8, 0), u"0.00"), QString::fromUtf8(row.shown))
            << row.material;
    }
    // Stainless steel weighs as carbon steel here, and titanium is not offered.
    EXPECT_EQ(
        WireDensityTable::density(WireDensityTable::Variant::Full, QStringLiteral("钛合金"), kMaterialRows),
        0);
    EXPECT_NEAR(pieceWeight(7.85, 1, 6, 8, 0), 0.929715, 1e-6);
}

TEST(CostWizardCore, SpringIndexInSinglePrecision) {
    EXPECT_EQ(num::textSingle(springIndex(20, 3)), QStringLiteral("6.666667"));
    EXPECT_EQ(num::textSingle(springIndex(6, 1)), QStringLiteral("6"));
    EXPECT_THROW(springIndex(6, 0), num::CalcFault);
    EXPECT_THROW(springIndex(0, 0), num::CalcFault);
}

TEST(CostWizardCore, MinimumBatchRuleAndPriceRaise) {
    ManufacturingInputs in{.pieceWeight = 0.929715f,
                           .materialPrice = 30,
                           .freight = 2,
                           .lossPercent = 5,
                           .machineRate = 40,
                           .speed = 35};
    ManufacturingResults out = manufacturing(in);
    // Twice the material without freight is above the machine-based price, which it replaces.
    EXPECT_NEAR(out.lowestPrice, 0.0585720, 2e-6);
    EXPECT_EQ(out.netPrice, out.lowestPrice);
    EXPECT_EQ(out.priceWithTax, out.netPrice);
    EXPECT_EQ(out.batchSize, 16800.0f);
    EXPECT_EQ(out.batchAmount, 984.0);

    // The machine-cost shares add up to the machine cost per piece and are not added again.
    const double shares =
        static_cast<double>(out.labour) + out.depreciation + out.utilities + out.other + out.profit;
    EXPECT_NEAR(shares, 40.0 / 60 / 35, 1e-6);

    in.taxPercent = 10;
    out = manufacturing(in);
    EXPECT_FLOAT_EQ(out.priceWithTax, num::single(1.1 * out.netPrice));
}

TEST(CostWizardCore, ZeroSpeedIsAnArithmeticFault) {
    const ManufacturingInputs in{.pieceWeight = 1, .materialPrice = 30, .machineRate = 40, .speed = 0};
    EXPECT_THROW(manufacturing(in), num::CalcFault);
}

TEST(CostWizardCore, ReportSectionsKeepTheTypedTexts) {
    StringTable::setLanguage(Language::ZhCN);
    const QString r1 = productSection({QString(), QStringLiteral("spring-123456"), QStringLiteral("P 1")});
    EXPECT_EQ(r1, QStringLiteral("        --------弹簧成本分析报告--------\r\n\r\n\r\n一、产品信息:\r\n\r\n"
                                 "    客户名称：\r\n    型    号：spring-123456\r\n    品名/料号：P 1\r\n"));
    const QString r2 = specificationSection(
        r1, {QStringLiteral(" 1"), QStringLiteral("6.0"), QStringLiteral("8"), QStringLiteral("0")}, 6);
    EXPECT_TRUE(r2.startsWith(r1));
    EXPECT_EQ(r2.mid(r1.size()), QStringLiteral("\r\n\r\n二、产品规格：\r\n\r\n"
                                                "    钢丝直径 d：     1 (mm)\r\n"
                                                "    弹簧中径 D：    6.0 (mm)\r\n"
                                                "    弹簧旋绕比 C：  6(一般4≤C≤14)\r\n"
                                                "    弹簧总圈数 n1： 8圈\r\n"
                                                "    其余部分展开长：0 (mm)\r\n"));
    const QString r3 = materialSection(r2,
                                       {QStringLiteral("brass"), QStringLiteral("30"), QStringLiteral("2"),
                                        QStringLiteral("0.93"), QStringLiteral("5")},
                                       materialCost(30, 2, 0.929715f, 5));
    EXPECT_EQ(r3.mid(r2.size()), QStringLiteral("\r\n\r\n三、弹簧材料：\r\n\r\n"
                                                "    材料名称 M_name：brass\r\n"
                                                "    材料单价 ￥：    30元/公斤\r\n"
                                                "    运输费用：       2元/公斤\r\n"
                                                "    弹簧单重：       0.93克/个\r\n"
                                                "    弹簧损耗：       5 %\r\n"
                                                "    单个材料价格：   0.0312元/个\r\n"));
}

} // namespace
