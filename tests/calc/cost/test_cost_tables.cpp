// The material tables of the weight and cost windows: keyed by the text in the language in
// force, exact and in row order, no match giving 0.

#include "calc/cost/BarStockTable.h"
#include "calc/cost/SheetDensityTable.h"
#include "calc/cost/WireDensityTable.h"
#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

using Variant = WireDensityTable::Variant;

class CostTables : public ::testing::Test {
protected:
    void TearDown() override { StringTable::setLanguage(Language::ZhCN); }
};

TEST_F(CostTables, WireDensityVariantsAndTheirSubsets) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(WireDensityTable::names(Variant::Full),
              (QStringList{"纯铜线 CU", "碳钢线 SWC", "琴钢线 SWP", "不锈钢线 SUS304", "铁线 SUM", "铝线 AL",
                           "钛合金"}));
    EXPECT_EQ(WireDensityTable::names(Variant::HollowSection), WireDensityTable::names(Variant::Full, 6));
    EXPECT_EQ(WireDensityTable::names(Variant::Full, 3),
              (QStringList{"纯铜线 CU", "碳钢线 SWC", "琴钢线 SWP"}));

    struct Case {
        Variant variant;
        int rows;
        const char* material;
        double density;
    };
    const Case cases[] = {
        {Variant::Full, -1, "不锈钢线 SUS304", 7.85},
        {Variant::HollowSection, -1, "不锈钢线 SUS304", 7.9},
        {Variant::Full, -1, "钛合金", 4.5},
        {Variant::HollowSection, -1, "钛合金", 0},
        {Variant::Full, 6, "钛合金", 0},
        {Variant::Full, 3, "铁线 SUM", 0},
        {Variant::Full, 3, "纯铜线 CU", 8.9},
        {Variant::Full, -1, "铁线 SUM", 7.87},
        {Variant::Full, -1, "铝线 AL", 2.7},
        {Variant::Full, -1, "碳钢线 SWC ", 0}, // exact text only
    };
    for (const Case& c : cases)
        EXPECT_EQ(WireDensityTable::density(c.variant, QString::fromUtf8(c.material), c.rows), c.density)
            << c.material << " rows " << c.rows;
}

TEST_F(CostTables, KeysAreTheTextsOfTheLanguageInForce) {
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(WireDensityTable::density(Variant::Full, StringTable::text(1338)), 7.85);
    EXPECT_EQ(WireDensityTable::density(Variant::Full, QStringLiteral("不锈钢线 SUS304")), 0);
    EXPECT_EQ(SheetDensityTable::density(StringTable::text(2220)), 8.9);
    EXPECT_EQ(BarStockTable::find(StringTable::text(2213)).sectionFactor, 3.464);
    EXPECT_EQ(BarStockTable::machineLoss(StringTable::text(2215)), 250);
    EXPECT_EQ(BarStockTable::machineLoss(QStringLiteral("CNC电脑机")), 0);
}

TEST_F(CostTables, SheetDensitiesAndTheMarginBands) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(SheetDensityTable::names(), (QStringList{"铁料", "钢料", "铝材", "紫铜", "铅黄铜", "锰铜"}));
    EXPECT_EQ(SheetDensityTable::density(QStringLiteral("铁料")), 7.8);
    EXPECT_EQ(SheetDensityTable::density(QStringLiteral("钢料")), 7.85);
    EXPECT_EQ(SheetDensityTable::density(QStringLiteral("铅黄铜")),
              SheetDensityTable::density(QStringLiteral("锰铜")));
    EXPECT_EQ(SheetDensityTable::density(QStringLiteral("铜")), 0);
    const std::pair<double, double> bands[] = {{0, 1.2},   {0.5, 1.2}, {0.5001, 1.5},
                                               {1.5, 1.5}, {1.51, 2},  {10, 2}};
    for (const auto& [thickness, margin] : bands)
        EXPECT_EQ(SheetDensityTable::margin(thickness), margin) << thickness;
}

TEST_F(CostTables, BarStockRowsAndMachines) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(BarStockTable::names().size(), 7);
    EXPECT_EQ(BarStockTable::names().first(), QStringLiteral("圆枝-铁类"));
    const BarStock pom = BarStockTable::find(QStringLiteral("圆枝-Pom"));
    EXPECT_EQ(pom.density, 0.00126);
    EXPECT_EQ(pom.sectionFactor, 3.1416);
    EXPECT_EQ(pom.platingFactor, 0.9);
    const BarStock none = BarStockTable::find(QStringLiteral("六角"));
    EXPECT_EQ(none.density + none.sectionFactor + none.platingFactor, 0);
    EXPECT_EQ(BarStockTable::machineNames(), (QStringList{"CNC电脑机", "王主机"}));
    EXPECT_EQ(BarStockTable::machineLoss(QStringLiteral("王主机")), 50);
}

} // namespace
