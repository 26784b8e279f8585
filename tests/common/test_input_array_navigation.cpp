// Down-arrow targets in input arrays with and without gaps, under both rules.
#include "common/ui/InputArrayNavigation.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui::DownRule;

struct Move {
    std::vector<int> indexes;
    int from;
    DownRule rule;
    int to;
};

TEST(InputArrayNavigation, DownTargets) {
    const std::vector<int> noGaps = {0, 1, 2, 3};
    const std::vector<int> oneGap = {0, 1, 2, 3, 4, 5, 7, 8, 9};                               // no 6
    const std::vector<int> disc = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 17, 21}; // 17 boxes
    const Move moves[] = {
        // Without gaps both rules walk in order and wrap after the last.
        {noGaps, 0, DownRule::NextIndex, 1},
        {noGaps, 3, DownRule::NextIndex, 0},
        {noGaps, 2, DownRule::ElementCount, 3},
        {noGaps, 3, DownRule::ElementCount, 0},
        // Next existing Index, wrapping after the highest.
        {oneGap, 5, DownRule::NextIndex, 7},
        {oneGap, 8, DownRule::NextIndex, 9},
        {oneGap, 9, DownRule::NextIndex, 0},
        // Counting elements: 9 elements, so from 8 (8 + 1 > 8) back to 0; 9 is reached only by Tab.
        {oneGap, 5, DownRule::ElementCount, 7},
        {oneGap, 7, DownRule::ElementCount, 8},
        {oneGap, 8, DownRule::ElementCount, 0},
        {oneGap, 9, DownRule::ElementCount, 0},
        {disc, 6, DownRule::ElementCount, 8},
        {disc, 14, DownRule::ElementCount, 15},
        {disc, 15, DownRule::ElementCount, 17},
        {disc, 17, DownRule::ElementCount, 0},
        {disc, 21, DownRule::ElementCount, 0},
        {disc, 15, DownRule::NextIndex, 17},
        {disc, 17, DownRule::NextIndex, 21},
        {{0}, 0, DownRule::ElementCount, 0},
    };
    for (const Move& m : moves)
        EXPECT_EQ(ui::downTarget(m.indexes, m.from, m.rule), m.to)
            << "from " << m.from << " rule " << static_cast<int>(m.rule) << " of " << m.indexes.size();
    EXPECT_EQ(ui::downTarget(oneGap, 6, DownRule::NextIndex), -1);
    EXPECT_EQ(ui::downTarget({}, 0, DownRule::NextIndex), -1);
}

TEST(InputArrayNavigation, IndexFromControlName) {
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text1_0"), QStringLiteral("Text1")), 0);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text1_21"), QStringLiteral("Text1")), 21);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text10_2"), QStringLiteral("Text1")), -1);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text1_"), QStringLiteral("Text1")), -1);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text1_2a"), QStringLiteral("Text1")), -1);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text1_02"), QStringLiteral("Text1")), -1);
    EXPECT_EQ(ui::arrayIndex(QStringLiteral("Text2_3"), QStringLiteral("Text1")), -1);
}

} // namespace
