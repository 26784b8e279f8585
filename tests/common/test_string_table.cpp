#include "common/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, GivesTextsInAllThreeLanguages) {
    struct Case {
        int id;
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {1318, Language::ZhCN, "提示"},
        {1318, Language::EnUS, "Prompt"},
        {1032, Language::ZhCN, "只能输入数字"},
        {1032, Language::EnUS, "Only Enter No. \r\n"},
        {1365, Language::EnUS, "Iimit load "},
        {1382, Language::EnUS, "Not ground "},
        {1371, Language::ZhCN, ">>>专家模式"},
        {1405, Language::EnUS, ">>>Normal mode "},
        {1354, Language::ZhCN, "圆柱螺旋压缩弹簧计算-普通模式"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(StringTable::text(c.id, c.language), QString::fromUtf8(c.text));
    }
    for (int id : {1001, 1318, 1354, 2470}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(StringTable::text(id, Language::ZhTW).isEmpty());
    }
}

TEST(StringTable, MissingIdGivesEmptyText) {
    EXPECT_EQ(StringTable::text(999999), QString());
    EXPECT_EQ(StringTable::text(-1, Language::EnUS), QString());
}

TEST(StringTable, LanguageFollowsInterfaceLanguage) {
    struct Case {
        const char* ui;
        Language expected;
    };
    const Case cases[] = {{"zh-CN", Language::ZhCN}, {"zh-Hans-CN", Language::ZhCN},
                          {"zh-SG", Language::ZhCN}, {"zh", Language::ZhCN},
                          {"zh-TW", Language::ZhTW}, {"zh-Hant-HK", Language::ZhTW},
                          {"zh-HK", Language::ZhTW}, {"en-US", Language::EnUS},
                          {"de-DE", Language::EnUS}, {"ja-JP", Language::EnUS}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ui);
        EXPECT_EQ(StringTable::languageFor({QString::fromLatin1(c.ui)}), c.expected);
    }
    EXPECT_EQ(StringTable::languageFor({}), Language::EnUS);
}

TEST(StringTable, CellEscapes) {
    EXPECT_EQ(StringTable::unescape(u"a\\tb\\r\\nc\\\\d"), QString("a\tb\r\nc\\d"));
    EXPECT_EQ(StringTable::unescape(u"trailing\\"), QString("trailing\\"));
    EXPECT_EQ(StringTable::unescape(u"\\x"), QString("\\x"));
}

} // namespace
