#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/SpringFormulas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string shown(double value, const char16_t* pattern) {
    return num::format(value, QStringView(pattern)).toStdString();
}
std::string shownSingle(float value, const char16_t* pattern) {
    return num::formatSingle(value, QStringView(pattern)).toStdString();
}

TEST(TorsionSpringRate, PianoWireSpring) {
    // E 21000, d 2, D 16, n 5, legs 20 and 20: 336000 / 308920 kgf·mm per degree.
    EXPECT_DOUBLE_EQ(springs::torsionSpringRate(21000, 2, 16, 5, 20, 20), 336000.0 / 308920.0);
    const float single = springs::torsionSpringRateSingle(21000, 2, 16, 5, 20, 20);
    EXPECT_EQ(single, static_cast<float>(336000.0 / 308920.0));
    EXPECT_EQ(shownSingle(single, u"0.000"), "1.088");
}

TEST(TorsionSpringRate, StoresNumeratorAndDenominatorInSinglePrecision) {
    // d 1.1: E d^4 = 30746.1 is not a single-precision number, so the single-precision rate
    // divides the rounded numerator.
    const float e = 21000, d = 1.1f, meanDiameter = 9.3f, n = 7.7f, l1 = 13.3f, l2 = 17.9f;
    const float numerator = static_cast<float>(double(e) * d * d * d * d);
    const float denominator = static_cast<float>((double(l1) + l2) * 389 + double(meanDiameter) * 3667 * n);
    EXPECT_EQ(springs::torsionSpringRateSingle(e, d, meanDiameter, n, l1, l2),
              static_cast<float>(double(numerator) / denominator));
}

TEST(CurvatureFactor, IndexEight) {
    EXPECT_DOUBLE_EQ(springs::curvatureFactor(8), 31.0 / 28.0);
    EXPECT_EQ(shown(springs::curvatureFactor(8), u"0.00"), "1.11");
}

TEST(InitialTension, GramsForceWithTheWindowsPi) {
    // G 8000, d 2, D 20 with pi 3.1416: 16 * 25132.8 * 1000 / 800 / 400.
    const double p0 = springs::initialTension(8000, 2, 20, 3.1416, 1000);
    EXPECT_DOUBLE_EQ(p0, 1256.64);
    EXPECT_DOUBLE_EQ(springs::initialTension(8000, 2, 20, 3.1416), 1.25664);
    const springs::LoadBand band = springs::extensionLoadBand(200, 10, p0);
    EXPECT_EQ(shown(band.least, u"0.0"), "3256.6");
    EXPECT_EQ(shown(band.greatest, u"0.0"), "4262.0");
}

TEST(ConicalSpringRate, WorkedExample) {
    // G 8000, d 2, OD1 20, OD2 30, n 5, pitch (40 - 2 d) / 5.
    const float d = 2, n = 5, g = 8000;
    const float r1 = springs::conicalCoilRadius(20, d);
    const float r2 = springs::conicalCoilRadius(30, d);
    EXPECT_EQ(r1, 9.0f);
    EXPECT_EQ(r2, 14.0f);
    const float rate = springs::conicalRateBeforeContact(g, d, r1, r2, n);
    EXPECT_EQ(shownSingle(rate, u"0.000"), "2.461");
    const float pitch = 7.2f;
    const float s = springs::conicalContactSpacing(d, r1, r2, n);
    EXPECT_NEAR(s, 1.7320508, 1e-6);
    const float contact = springs::conicalClosingLoad(g, d, pitch, s, r2);
    const float solid = springs::conicalClosingLoad(g, d, pitch, s, r1);
    EXPECT_EQ(shownSingle(contact, u"0.0"), "39.1");
    EXPECT_EQ(shownSingle(solid, u"0.0"), "147.0");
    EXPECT_EQ(shownSingle(springs::conicalSolidHeight(s, n, d), u"0.0"), "12.7");
}

TEST(ConicalSpringRate, CoilsNestOnceTheRadialStepReachesTheWire) {
    struct Case {
        const char* name;
        float d, r1, r2, n;
        bool nested;
    };
    const Case cases[] = {
        {"radial step twice the wire", 1, 4.5f, 14.5f, 5, true},
        {"radial step equal to the wire", 1, 5, 10, 5, true},
        {"radial step just below the wire", 1, 5, 9.99f, 5, false},
        {"small end larger than the large end", 1, 10, 8, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const float s = springs::conicalContactSpacing(c.d, c.r1, c.r2, c.n);
        if (c.nested)
            EXPECT_EQ(s, 0.0f);
        else
            EXPECT_GT(s, 0.0f);
    }
}

TEST(CoilDiameters, OuterAndInnerAsTheSheetsListThem) {
    struct Row {
        double d, meanDiameter;
        const char *outer, *inner;
    };
    // The extension calculator's example (d 2, D 20) and a wire typed with more digits than a
    // single holds: the diameters keep the double values.
    for (const Row& r : {Row{2, 20, "22", "18"}, Row{1.2, 10, "11.2", "8.8"},
                         Row{0.123456789, 3, "3.123456789", "2.876543211"}}) {
        const springs::CoilDiameters c = springs::coilDiameters(r.d, r.meanDiameter);
        EXPECT_EQ(num::text(c.outer), QString::fromLatin1(r.outer)) << r.d;
        EXPECT_EQ(num::text(c.inner), QString::fromLatin1(r.inner)) << r.d;
    }
}

TEST(SpringFormulas, FaultsInsteadOfNonFiniteResults) {
    struct Case {
        const char* name;
        std::function<void()> step;
    };
    const Case cases[] = {
        {"torsion rate with a zero denominator", [] { springs::torsionSpringRate(21000, 2, 0, 5, 0, 0); }},
        {"single torsion rate with a zero denominator",
         [] { springs::torsionSpringRateSingle(21000, 2, 16, 0, 0, 0); }},
        {"curvature factor at index 1", [] { springs::curvatureFactor(1); }},
        {"initial tension with zero mean diameter",
         [] { springs::initialTension(8000, 2, 0, 3.1416, 1000); }},
        {"conical rate with equal ends", [] { springs::conicalRateBeforeContact(8000, 2, 9, 9, 5); }},
        {"conical rate without coils", [] { springs::conicalRateBeforeContact(8000, 2, 9, 14, 0); }},
        {"conical spacing with a negative root", [] { springs::conicalContactSpacing(1, 20, 5, 5); }},
        {"conical load at zero radius", [] { springs::conicalClosingLoad(8000, 2, 7.2f, 1.7f, 0); }},
        {"outer diameter beyond the double range", [] { springs::coilDiameters(1e308, 1e308); }},
        {"conical rate overflowing single precision",
         [] { springs::conicalRateBeforeContact(8000, 1e10f, 9, 14, 5); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.step(), num::CalcFault);
    }
}

} // namespace
