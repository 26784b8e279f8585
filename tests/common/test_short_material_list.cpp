// The short material list in its two display orders: the same twenty rows as the short set,
// each found by its name.

#include "common/SpringMaterials.h"
#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortMaterialList, BothOrdersListTheShortRows) {
    StringTable::setLanguage(Language::ZhCN);
    QStringList shortSet = springMaterialNames(SpringMaterialRows::Short);
    shortSet.sort();
    for (ShortListOrder order : {ShortListOrder::Steels, ShortListOrder::TableFirst}) {
        QStringList names = shortMaterialList(order);
        EXPECT_EQ(names.size(), 20);
        for (const QString& name : names)
            EXPECT_GT(springMaterialModulus(SpringMaterialRows::Short, name), 0) << qPrintable(name);
        names.sort();
        EXPECT_EQ(names, shortSet);
    }
}

TEST(ShortMaterialList, OrdersDifferWhereTheWindowsDo) {
    StringTable::setLanguage(Language::ZhCN);
    const QStringList steels = shortMaterialList(ShortListOrder::Steels);
    EXPECT_EQ(steels[0], QStringLiteral("弹簧钢 SUP"));
    EXPECT_EQ(steels[5], QStringLiteral("65Mn"));
    EXPECT_EQ(steels[8], QStringLiteral("不锈钢线 SUS631"));
    EXPECT_EQ(steels[19], QStringLiteral("60Si2CrVA"));
    const QStringList tableFirst = shortMaterialList(ShortListOrder::TableFirst);
    EXPECT_EQ(tableFirst[7], QStringLiteral("不锈钢线 SUS304"));
    EXPECT_EQ(tableFirst[13], QStringLiteral("65Mn"));
    EXPECT_EQ(tableFirst[17], QStringLiteral("17-7"));
}

TEST(ShortMaterialList, NamesFollowTheLanguage) {
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(shortMaterialList(ShortListOrder::Steels)[0], StringTable::text(1384));
    EXPECT_EQ(springMaterialModulus(SpringMaterialRows::ShortNewton,
                                    shortMaterialList(ShortListOrder::TableFirst)[7]),
              68600);
    StringTable::setLanguage(Language::ZhCN);
}

} // namespace
