#include "common/SpringMaterials.h"
#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

class SpringMaterials : public ::testing::Test {
protected:
    void TearDown() override { StringTable::setLanguage(Language::ZhCN); }
};

TEST_F(SpringMaterials, RowSetsHaveTheirSizesAndOrder) {
    StringTable::setLanguage(Language::ZhCN);
    EXPECT_EQ(springMaterialRows(SpringMaterialRows::All).size(), 26u);
    EXPECT_EQ(springMaterialRows(SpringMaterialRows::NoTitanium).size(), 25u);
    EXPECT_EQ(springMaterialRows(SpringMaterialRows::Short).size(), 20u);
    EXPECT_EQ(springMaterialRows(SpringMaterialRows::ShortNewton).size(), 20u);
    const QStringList all = springMaterialNames(SpringMaterialRows::All);
    EXPECT_EQ(all.first(), "弹簧钢 SUP");
    EXPECT_EQ(all.at(13), "钛合金");
    EXPECT_EQ(all.at(14), "17-7");
    EXPECT_EQ(all.last(), "70Si3MnA");
}

TEST_F(SpringMaterials, LookupIsExactInTheLanguageInForce) {
    struct Case {
        const char* name;
        Language language;
        SpringMaterialRows rows;
        const char* text;
        Modulus modulus;
        double expected;
    };
    const Case cases[] = {
        {"carbon steel", Language::ZhCN, SpringMaterialRows::All, "碳钢线 SWC", Modulus::G, 8000},
        {"SW and SWO are two rows", Language::EnUS, SpringMaterialRows::All, "SW", Modulus::G, 8000},
        {"capitals match nothing", Language::EnUS, SpringMaterialRows::All, "SUS304", Modulus::G, 0},
        {"English name", Language::EnUS, SpringMaterialRows::All, "Sus304", Modulus::G, 7000},
        {"trailing blank", Language::ZhCN, SpringMaterialRows::All, "65Mn ", Modulus::G, 0},
        {"empty", Language::ZhCN, SpringMaterialRows::All, "", Modulus::G, 0},
        {"17-7 G", Language::ZhCN, SpringMaterialRows::All, "17-7", Modulus::G, 7500},
        {"17-7 E", Language::ZhCN, SpringMaterialRows::All, "17-7", Modulus::E, 20000},
        {"titanium G", Language::ZhCN, SpringMaterialRows::All, "钛合金", Modulus::G, 4200},
        {"titanium E", Language::EnUS, SpringMaterialRows::All, "Titanium alloy", Modulus::E, 11000},
        {"HSWS E", Language::ZhCN, SpringMaterialRows::All, "白铜线 HSWS", Modulus::E, 11000},
        {"short set lacks 60Si2Mn", Language::ZhCN, SpringMaterialRows::Short, "60Si2Mn", Modulus::G, 0},
        {"short set lacks titanium", Language::ZhCN, SpringMaterialRows::Short, "钛合金", Modulus::G, 0},
        {"no-titanium set", Language::ZhCN, SpringMaterialRows::NoTitanium, "钛合金", Modulus::G, 0},
        {"newton PBW", Language::ZhCN, SpringMaterialRows::ShortNewton, "磷青铜线 PBW", Modulus::G, 42140},
        {"newton 17-7", Language::ZhCN, SpringMaterialRows::ShortNewton, "17-7", Modulus::G, 73500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringTable::setLanguage(c.language);
        EXPECT_EQ(springMaterialModulus(c.rows, QString::fromUtf8(c.text), c.modulus), c.expected);
    }
}

TEST_F(SpringMaterials, RateAndLimitLoad) {
    EXPECT_DOUBLE_EQ(helicalSpringRate(8000, 1, 10, 10), 0.1);
    EXPECT_DOUBLE_EQ(limitLoad(12.34), 15.425);
}

} // namespace
