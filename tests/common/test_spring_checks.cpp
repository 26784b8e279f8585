#include "common/CheckedMath.h"
#include "common/FatigueLife.h"
#include "common/SpringChecks.h"
#include "common/StringTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace springchecks;

TEST(WahlFactor, FollowsTheFormula) {
    EXPECT_DOUBLE_EQ(wahlFactor(5.0), 19.0 / 16.0 + 0.123); // 1.3105
    EXPECT_NEAR(wahlFactor(10.0), 1.144833, 1e-6);
    EXPECT_EQ(wahlFactorSingle(5.0f), static_cast<float>(19.0 / 16.0 + 0.123));
}

TEST(WahlFactor, IndexOneOrZeroIsAnArithmeticFault) {
    EXPECT_THROW(wahlFactor(1.0), num::CalcFault);
    EXPECT_THROW(wahlFactor(0.0), num::CalcFault);
    EXPECT_THROW(wahlFactorSingle(1.0f), num::CalcFault);
}

TEST(FatigueLife, CompressionRowAtItsBandEdges) {
    struct Case {
        const char* name;
        float stress;
        const char* cycles; // empty: past the table
    };
    // sigma_b = 1000, so the stress reads as the ratio in thousandths.
    const Case cases[] = {
        {"well below the first threshold", 100.0f, "1000"},
        {"ratio 0.2999", 299.9f, "1000"},
        {"ratio exactly 0.3 falls into the next band", 300.0f, "100"},
        {"ratio 0.33", 330.0f, "10"},
        {"ratio 0.35", 350.0f, "6"},
        {"just below 0.365", 364.9f, "6"},
        {"ratio 0.365", 365.0f, "4"},
        {"ratio 0.375", 375.0f, "3"},
        {"ratio 0.39", 390.0f, "2"},
        {"ratio 0.42", 420.0f, "1"},
        {"ratio 0.449", 449.0f, "1"},
        {"ratio exactly 0.45", 450.0f, ""},
        {"above the table", 700.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fatigue::compression(c.stress, 1000.0f).cycles, QString::fromLatin1(c.cycles));
    }
}

TEST(FatigueLife, CompressionWithoutTensileStrengthIsAnArithmeticFault) {
    EXPECT_THROW(fatigue::compression(100.0f, 0.0f), num::CalcFault);
}

TEST(FatigueLife, ExtensionRowIsTheCompressionRowTimesPointEight) {
    struct Case {
        const char* name;
        float stress;
        const char* cycles;
    };
    const Case cases[] = {
        {"239.9 below 240", 239.9f, "1000"},
        {"240 equals the first product", 240.0f, "100"},
        {"292 equals the fourth product", 292.0f, "4"},
        {"359.9 below the last product", 359.9f, "1"},
        {"360 equals the last product", 360.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fatigue::extension(c.stress, 1000.0f).cycles, QString::fromLatin1(c.cycles));
    }
}

TEST(FatigueLife, TorsionRowHasSevenBandsWithFiveAsFourthLife) {
    struct Case {
        const char* name;
        double stress;
        const char* cycles;
    };
    const Case cases[] = {
        {"479.9", 479.9, "1000"}, {"480 equals the first product", 480.0, "100"},
        {"559", 559.0, "5"},      {"560", 560.0, "4"},
        {"659.9", 659.9, "2"},    {"660 is past the table", 660.0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fatigue::torsion(c.stress, 1000.0, fatigue::Precision::Single).cycles,
                  QString::fromLatin1(c.cycles));
        EXPECT_EQ(fatigue::torsion(c.stress, 1000.0, fatigue::Precision::Double).cycles,
                  QString::fromLatin1(c.cycles));
    }
}

TEST(FatigueLife, TorsionPrecisionDecidesAStressOnTheRoundedProduct) {
    // 1660 * 0.48 is 796.8 in double precision but 796.79998779... as a single; a single
    // stress of that value equals the rounded product and lies below the double one.
    const double stress = static_cast<float>(1660.0 * 0.48);
    EXPECT_EQ(fatigue::torsion(stress, 1660.0, fatigue::Precision::Single).cycles, "100");
    EXPECT_EQ(fatigue::torsion(stress, 1660.0, fatigue::Precision::Double).cycles, "1000");
}

TEST(FatigueLife, PastTheTableShowsTheWorryText) {
    StringTable::setLanguage(Language::ZhCN);
    const fatigue::Life past = fatigue::compression(500.0f, 1000.0f);
    EXPECT_TRUE(past.pastTable());
    EXPECT_EQ(past.text(), StringTable::text(2469));
    EXPECT_EQ(fatigue::compression(100.0f, 1000.0f).text(), "1000");
}

TEST(NaturalFrequency, FormulaAndResonanceMargin) {
    EXPECT_DOUBLE_EQ(naturalFrequency(1.0, 10.0, 4.0), 890.0);
    EXPECT_THROW(naturalFrequency(1.0, 0.0, 4.0), num::CalcFault);
    EXPECT_THROW(naturalFrequency(1.0, 10.0, 0.0), num::CalcFault);

    EXPECT_FALSE(resonanceOk(100.0, 10.0)) << "exactly ten times is not enough";
    EXPECT_TRUE(resonanceOk(100.0001, 10.0));
    EXPECT_TRUE(resonanceOk(890.0, kForcedFrequency));
    EXPECT_FALSE(resonanceOk(200.0, kForcedFrequency));
}

TEST(Slenderness, LimitsByEndFixing) {
    struct Case {
        const char* name;
        float b;
        bool bothFixed, oneFixed, bothPivoted;
    };
    const Case cases[] = {
        {"2.6 passes all three", 2.6f, true, true, true},
        {"2.61 fails both pivoted", 2.61f, true, true, false},
        {"3.7 passes one fixed", 3.7f, true, true, false},
        {"4 fails one fixed", 4.0f, true, false, false},
        {"5.3 passes both fixed", 5.3f, true, false, false},
        {"5.31 fails both fixed", 5.31f, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SlendernessVerdicts v = slendernessLimits(c.b);
        EXPECT_EQ(v.bothFixed, c.bothFixed);
        EXPECT_EQ(v.oneFixedOnePivoted, c.oneFixed);
        EXPECT_EQ(v.bothPivoted, c.bothPivoted);
    }
}

TEST(Slenderness, LabelTextIds) {
    EXPECT_EQ(slendernessTextId(EndFixing::BothFixed), 1401);
    EXPECT_EQ(slendernessTextId(EndFixing::OneFixedOnePivoted), 1402);
    EXPECT_EQ(slendernessTextId(EndFixing::BothPivoted), 1403);
    EXPECT_EQ(slendernessTextId(EndFixing::BothFixed, true), 1398);
    EXPECT_EQ(slendernessTextId(EndFixing::BothPivoted, true), 1400);
    EXPECT_EQ(slendernessTextId(EndFixing::BothFixed, false), 1395);
    EXPECT_EQ(slendernessTextId(EndFixing::OneFixedOnePivoted, false), 1396);
    EXPECT_EQ(slendernessTextId(EndFixing::BothPivoted, false), 1397);
}

TEST(PitchRatio, BothBoundsIncluded) {
    struct Case {
        const char* name;
        float pitch, meanDiameter;
        bool ok;
    };
    const Case cases[] = {
        {"0.28 D", 2.8f, 10.0f, true},
        {"0.5 D", 5.0f, 10.0f, true},
        {"inside", 3.625f, 10.0f, true},
        {"just below 0.28 D", 2.79f, 10.0f, false},
        {"just above 0.5 D", 5.01f, 10.0f, false},
        // 7 * 0.28 is 1.9600000000000002 in double; rounded to single it equals 1.96f.
        {"bound product rounded to single", 1.96f, 7.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pitchRatioOk(c.pitch, c.meanDiameter), c.ok);
    }
    EXPECT_FALSE(pitchRatioOk(2.8f, 10.0f, 0.3, 0.5)) << "bounds are parameters";
}

TEST(HelixAngle, AngleAndStrictBounds) {
    EXPECT_NEAR(helixAngle(3.625, 10.0), 6.582068, 1e-6);
    EXPECT_THROW(helixAngle(3.0, 0.0), num::CalcFault);
    EXPECT_FALSE(helixAngleOk(5.0));
    EXPECT_FALSE(helixAngleOk(9.0));
    EXPECT_TRUE(helixAngleOk(5.01));
    EXPECT_TRUE(helixAngleOk(8.99));
    EXPECT_TRUE(helixAngleOk(9.0, 4.99, 9.01));
}

TEST(DeformationRatio, SingleFormIncludesBothBounds) {
    EXPECT_TRUE(deformationRatioOk(0.2f));
    EXPECT_TRUE(deformationRatioOk(0.8f));
    EXPECT_FALSE(deformationRatioOk(0.1999f));
    EXPECT_FALSE(deformationRatioOk(0.8001f));
    // A ratio formed in double and rounded to single lands on the single bound.
    EXPECT_TRUE(deformationRatioOk(static_cast<float>(2.0 / 10.0)));
}

TEST(DeformationRatio, PairForm) {
    struct Case {
        const char* name;
        double first, last;
        bool ok;
    };
    const Case cases[] = {
        {"first too small", 0.1, 0.5, false},
        {"last too large", 0.3, 0.9, false},
        {"last on the upper bound", 0.3, 0.8, true},
        {"first on the lower bound", 0.2, 0.5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(deformationPairOk(c.first * 10.0, c.last * 10.0, 10.0), c.ok);
    }
    EXPECT_THROW(deformationPairOk(1.0, 2.0, 0.0), num::CalcFault);
}

TEST(SpringIndex, BandsByWireDiameter) {
    struct Case {
        const char* name;
        float d, c;
        bool ok;
    };
    const Case cases[] = {
        {"d 0.4, C 14", 0.4f, 14.0f, true},
        {"d 0.4, C 4", 0.4f, 4.0f, true},
        {"d 0.4, C 3.99", 0.4f, 3.99f, false},
        {"d 0.5 is the 5..12 band, C 13", 0.5f, 13.0f, false},
        {"d 0.5, C 12", 0.5f, 12.0f, true},
        {"d 0.5, C 4", 0.5f, 4.0f, false},
        {"d 1.1, C 10", 1.1f, 10.0f, true},
        {"d 1.1, C 11", 1.1f, 11.0f, false},
        {"d 2.5, C 9", 2.5f, 9.0f, true},
        {"d 2.5, C 10", 2.5f, 10.0f, false},
        {"d 7 is the 4..8 band, C 9", 7.0f, 9.0f, false},
        {"d 7, C 8", 7.0f, 8.0f, true},
        {"d 18, C 16", 18.0f, 16.0f, true},
        {"d 18, C 16.01", 18.0f, 16.01f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(springIndexOk(c.d, c.c), std::optional<bool>(c.ok));
    }
    EXPECT_FALSE(springIndexOk(std::numeric_limits<float>::quiet_NaN(), 10.0f).has_value());
}

TEST(Verdict, Texts) {
    EXPECT_EQ(verdictText(true), "OK");
    EXPECT_EQ(verdictText(false), "NG");
}

} // namespace
