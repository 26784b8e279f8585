// The weights of the wire and strip springs, each in the precision of its window, against the
// worked examples as the windows show them.

#include "calc/cost/WireWeights.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

namespace {

using namespace wireweights;

TEST(SpringWeightCore, CoiledFourDecimalsStraightTwo) {
    struct Case {
        const char* name;
        SpringInputs in;
        const char* shown;
    };
    const Case cases[] = {
        {"coiled carbon steel", {7.85f, 1, 10, 10, 0, true}, "1.9369"},
        {"straight wire", {7.85f, 1, 0, 0, 20, false}, "0.12"},
        {"D without coils: the straight part with four decimals", {7.85f, 1, 10, 0, 20, true}, "0.1233"},
        {"titanium", {4.5f, 1, 10, 10, 0, true}, "1.1103"},
        {"no density", {0, 1, 10, 10, 20, true}, "0.0000"},
    };
    for (const Case& c : cases) {
        const SpringWeight w = springWeight(c.in);
        EXPECT_EQ(num::formatSingle(w.weight, QString::fromLatin1(w.pattern)), QString::fromLatin1(c.shown))
            << c.name;
    }
}

TEST(HollowWireWeightCore, WorkedExamples) {
    struct Case {
        const char* name;
        HollowInputs in;
        const char* shown;
    };
    const Case cases[] = {
        {"coiled", {7.85, 2, 20, 1, 10, 0, true}, "10.4594"},
        {"coiled with a straight length", {7.85, 2, 20, 1, 10, 100, true}, "12.3090"},
        {"straight only", {7.85, 2, 0, 1, 0, 100, false}, "1.8496"},
        {"solid copper wire", {8.9, 1, 10, 0, 10, 0, true}, "1.9764"},
        {"D2 without coils", {7.85, 2, 20, 1, 0, 100, true}, "1.8496"},
        {"bore as large as the wire", {7.85, 2, 20, 2, 10, 100, true}, "0.0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(num::format(hollowWireWeight(c.in), u"0.0000"), QString::fromLatin1(c.shown)) << c.name;
}

TEST(SerpentineCore, LengthAndWeightOfTheShownLength) {
    struct Case {
        SerpentineInputs in;
        const char* length;
        const char* weight;
    };
    const Case cases[] = {
        {{7.85f, 1, 10, 10, 30}, "637.0800", "4.1745"},
        {{7.85f, 0.8f, 6, 20, 15}, "636.4960", "2.6694"},
        {{0, 0.8f, 6, 20, 15}, "636.4960", "0.0000"},
    };
    for (const Case& c : cases) {
        Serpentine out;
        serpentine(c.in, out);
        ASSERT_TRUE(out.developedLength && out.weight);
        EXPECT_EQ(num::formatSingle(*out.developedLength, u"0.0000"), QString::fromLatin1(c.length));
        EXPECT_EQ(num::formatSingle(*out.weight, u"0.0000"), QString::fromLatin1(c.weight));
    }
}

TEST(SerpentineCore, TheWeightUsesTheLengthAsShownNotAsStored) {
    // A wave height just above d gives S of about 0.00004, shown as 0.0000: the weight is that
    // of the fixed 40 mm alone, not of 40.00004 mm.
    SerpentineInputs in{7.85f, 1, 0, 1, 1.00002f};
    Serpentine out;
    serpentine(in, out);
    EXPECT_GT(*out.developedLength, 0.00003f);
    EXPECT_EQ(num::formatSingle(*out.developedLength, u"0.0000"), QStringLiteral("0.0000"));
    const float ofShown = num::single(1.0 * 40 * 3.1416 * double(7.85f) / 4000);
    const float ofStored =
        num::single(1.0 * (double(*out.developedLength) + 40) * 3.1416 * double(7.85f) / 4000);
    EXPECT_EQ(*out.weight, ofShown);
    EXPECT_NE(ofShown, ofStored);
}

TEST(ClockSpringCore, WorkedExamplesInSinglePrecision) {
    struct Case {
        const char* name;
        ClockInputs in;
        const char* shown;
    };
    const Case cases[] = {
        {"coiled", {7.85f, 10, 50, 0.5f, 5, 0, true}, "30.519"},
        {"coiled with a straight length", {7.85f, 10, 50, 0.5f, 5, 100, true}, "34.444"},
        {"straight strip only", {7.85f, 10, 0, 0.5f, 0, 100, false}, "3.925"},
        {"coils without D2: a negative coil part", {7.85f, 10, 0, 0.5f, 5, 0, true}, "-0.308"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(num::formatSingle(clockSpringWeight(c.in), u"0.000"), QString::fromLatin1(c.shown))
            << c.name;
}

TEST(DieSpringCore, WorkedExamples) {
    EXPECT_EQ(num::formatSingle(dieSpringWeight({7.85f, 4, 20, 2, 10}), u"0.000"), QStringLiteral("31.567"));
    EXPECT_EQ(num::formatSingle(dieSpringWeight({8.9f, 4, 20, 2, 10}), u"0.000"), QStringLiteral("35.789"));
    EXPECT_EQ(num::formatSingle(dieSpringWeight({7.85f, 4, 20, 2, 0}), u"0.000"), QStringLiteral("0.000"));
    EXPECT_LT(dieSpringWeight({7.85f, 4, 0, 2, 10}), 0);
}

TEST(ConicalSpringCore, WorkedExamples) {
    struct Case {
        ConicalInputs in;
        const char* shown;
    };
    const Case cases[] = {
        {{7.85f, 1, 10, 10, 20}, "2.9054"},
        {{8.9f, 1, 10, 10, 20}, "3.2940"},
        {{7.85f, 2, 15, 8, 30}, "13.9458"},
        {{7.85f, 1, 20, 10, 10}, "2.9054"}, // the diameters exchanged
    };
    for (const Case& c : cases)
        EXPECT_EQ(num::formatSingle(conicalSpringWeight(c.in), u"0.0000"), QString::fromLatin1(c.shown));
}

TEST(WeightCores, ASingleStoreBeyondItsRangeIsAFault) {
    EXPECT_THROW(conicalSpringWeight({7.85f, 1e30, 10, 10, 20}), num::CalcFault);
    EXPECT_THROW(clockSpringWeight({7.85f, 3e38f, 50, 3e38f, 5, 0, true}), num::CalcFault);
    EXPECT_THROW(springWeight({7.85f, 1e200, 0, 0, 1, false}), num::CalcFault);
    EXPECT_THROW(hollowWireWeight({7.85, 1e200, 0, 0, 0, 1e200, false}), num::CalcFault);
}

} // namespace
