// Stamping blanks and prices, and the unfolded length of bent sheet parts.

#include "calc/cost/BendAllowance.h"
#include "calc/cost/Stamping.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(StampingBlankCore, WorkedExamples) {
    struct Case {
        const char* name;
        stamping::BlankInputs in;
        const char* margin;
        const char* weight;
    };
    const Case cases[] = {
        {"iron, 1 mm", {7.8, 100, 50, 1}, "1.5", "41.96"},
        {"copper, the band's upper bound 0.5", {8.9, 60, 40, 0.5}, "1.2", "11.55"},
        {"aluminium, 2 mm", {2.7, 200, 100, 2}, "2", "113.44"},
        {"1.5 mm belongs to the middle band", {7.8, 100, 50, 1.5}, "1.5", "62.94"},
        {"no thickness", {7.8, 100, 50, 0}, "1.2", "0.00"},
    };
    for (const Case& c : cases) {
        const stamping::Blank b = stamping::blank(c.in);
        EXPECT_EQ(num::text(b.margin), QString::fromLatin1(c.margin)) << c.name;
        EXPECT_EQ(num::format(b.weight, u"0.00"), QString::fromLatin1(c.weight)) << c.name;
    }
}

TEST(StampingPriceCore, WorkedExamples) {
    struct Case {
        const char* name;
        stamping::PriceInputs in;
        const char* shown;
    };
    const Case cases[] = {
        {"iron with the defaults", {7.8, 50, 30, 1, 6, 0.01, 5, 0, 0, 17, 10}, "0.1059"},
        {"copper", {8.9, 100, 60, 2, 50, 0.05, 3, 0.1, 0.2, 13, 15}, "7.4539"},
        {"no percentages: the direct cost", {7.8, 50, 30, 1, 6, 0.01, 0, 0, 0, 0, 0}, "0.0802"},
        {"no material: the fees alone", {0, 50, 30, 1, 6, 0.01, 5, 0, 0, 17, 10}, "0.0132"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(num::format(stamping::price(c.in), u"0.0000"), QString::fromLatin1(c.shown)) << c.name;
}

TEST(BendAllowanceCore, EachShapeItsRule) {
    struct Case {
        const char* name;
        std::optional<BendShape> shape;
        bendallowance::Inputs in;
        const char* shown;
    };
    const Case cases[] = {
        {"L with a negative alpha", BendShape::L, {50, 30, 0, 2, -0.5}, "79.50"},
        {"Z", BendShape::Z, {20, 30, 15, 1, 0.2}, "65.40"},
        {"Z without C", BendShape::Z, {20, 30, 0, 1, 0.2}, "50.40"},
        {"Pi ignores C", BendShape::Pi, {25, 60, 99, 1.5, 0.35}, "102.40"},
        {"U", BendShape::U, {40, 25, 0, 1, 0.23}, "86.46"},
        {"box", BendShape::Box, {100, 50, 0, 2, 0.46}, "285.84"},
        {"L ignores T", BendShape::L, {50, 30, 0, 99, -0.5}, "79.50"},
        {"no shape", std::nullopt, {50, 30, 15, 2, 0.5}, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(num::format(bendallowance::unfoldedLength(c.shape, c.in), u"0.00"),
                  QString::fromLatin1(c.shown))
            << c.name;
}

} // namespace
