// The arithmetic of the quick designers against their worked examples, compared as the
// windows show the values (pattern or plain single), and the verdict bounds.

#include "calc/designers/QuickDesign.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::string plain(float v) {
    return num::textSingle(v).toStdString();
}
std::string fixed(double v, const char* pattern) {
    return num::format(v, QString::fromLatin1(pattern)).toStdString();
}
std::string fixedSingle(float v, const char* pattern) {
    return num::formatSingle(v, QString::fromLatin1(pattern)).toStdString();
}
std::string verdict(bool ok) {
    return ok ? "OK" : "NG";
}

template <class Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- compression spring from two working points -----------------------------------------

quick::CompressionInputs compressionDefaults(float d, std::optional<float> n = std::nullopt) {
    return {20, 15, 14, 20, 31.5f, 78000, d, n};
}

struct CompressionRow {
    const char* name;
    quick::CompressionInputs in;
    std::vector<std::string> shown; // nmax, d, D2, D, D1, H0, n1, Hb, P1', t, ranges, verdicts
};

void PrintTo(const CompressionRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<std::string> shown(const quick::CompressionResults& r) {
    return {fixedSingle(r.maxActiveCoils, "0.0"),
            plain(r.wireDiameter),
            plain(r.outerDiameter),
            plain(r.meanDiameter),
            fixedSingle(r.innerDiameter, "0.0"),
            fixedSingle(r.freeHeight, "0.0"),
            fixedSingle(r.totalCoils, "0.0"),
            fixed(r.solidHeight, "0.0"),
            fixedSingle(r.actualInstalledLoad, "0.00"),
            fixedSingle(r.pitch, "0.0"),
            num::text(r.loadLow).toStdString() + "--" + num::text(r.loadHigh).toStdString(),
            fixed(r.pitchLow, "0.0") + "--" + fixed(r.pitchHigh, "0.0"),
            verdict(r.solidHeightOk),
            verdict(r.installedLoadOk),
            verdict(r.pitchOk)};
}

class CompressionExample : public ::testing::TestWithParam<CompressionRow> {};

TEST_P(CompressionExample, ShowsTheWorkedResults) {
    EXPECT_EQ(shown(quick::compute(GetParam().in)), GetParam().shown);
}

const CompressionRow kCompressionRows[] = {
    {"WireTwoCoilsFromHeight",
     compressionDefaults(2),
     {"5.0", "2", "31.5", "29.5", "27.5", "27.2", "6.0", "11.0", "10.94", "6.1", "13.5--16.5", "9.8--14.8",
      "OK", "NG", "NG"}},
    // D/2 = 14.9499998 as a double of the single 29.9: just below the tie, so 14.9.
    {"WireOnePointSixFourCoils",
     compressionDefaults(1.6f, 4),
     {"6.8", "1.6", "31.5", "29.9", "28.3", "47.5", "6.0", "8.8", "16.43", "11.3", "13.5--16.5", "10.0--14.9",
      "OK", "OK", "OK"}},
};
INSTANTIATE_TEST_SUITE_P(QuickDesign, CompressionExample, ::testing::ValuesIn(kCompressionRows),
                         rowName<CompressionRow>);

TEST(QuickCompression, ZeroWireAndZeroCoilsUseTheirStandIns) {
    const quick::CompressionResults r = quick::compute(compressionDefaults(0, 0));
    EXPECT_EQ(r.wireDiameter, 0.2f);
    EXPECT_EQ(r.activeCoils, 1.0f);
    EXPECT_EQ(r.maxActiveCoils, quick::maxActiveCoils(14, 0.2f));
}

TEST(QuickCompression, LoadBandKeepsFifteenDigitsOfTheSingleLoad) {
    quick::CompressionInputs in = compressionDefaults(2);
    in.installedLoad = 2.083f;
    const quick::CompressionResults r = quick::compute(in);
    EXPECT_EQ(num::text(r.loadLow), "1.8746999502182");
    EXPECT_EQ(num::text(r.loadHigh), "2.29129993915558");
}

TEST(QuickCompression, SolidHeightEqualToTheWorkingHeightIsStillOk) {
    // d = 2, n = 4: Hb = (6 - 0.5) * 2 = 11.
    quick::CompressionInputs in = compressionDefaults(2, 4);
    in.workingHeight = 11;
    EXPECT_TRUE(quick::compute(in).solidHeightOk);
    in.workingHeight = std::nextafter(11.0f, 0.0f);
    EXPECT_FALSE(quick::compute(in).solidHeightOk);
}

TEST(QuickCompression, FaultsOfThePart) {
    quick::CompressionInputs sameDiameters = compressionDefaults(31.5f);
    quick::CompressionInputs noModulus = compressionDefaults(2);
    noModulus.shearModulus = 0;
    // H2 = 3 d leaves nmax - 1 = 0 coils.
    quick::CompressionInputs noCoilsLeft = compressionDefaults(2);
    noCoilsLeft.workingHeight = 6;
    // A thin wire makes the rate small and the working deflection beyond the single range.
    quick::CompressionInputs huge = compressionDefaults(0.5f, 4);
    huge.workingLoad = 3e38f;
    for (const auto& in : {sameDiameters, noModulus, noCoilsLeft, huge})
        EXPECT_THROW(quick::compute(in), num::CalcFault);
}

// ---- extension spring with hooks --------------------------------------------------------

quick::ExtensionInputs extensionDefaults(float d) {
    return {34, 40, 39, 60, 7.8f, 69000, d};
}

struct ExtensionRow {
    const char* name;
    float d;
    std::vector<std::string> shown; // d, D2, D, D1, H0, n, k', k, Pi, verdicts
};

void PrintTo(const ExtensionRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<std::string> shown(const quick::ExtensionResults& r) {
    return {plain(r.wireDiameter),
            fixedSingle(r.outerDiameter, "0.0"),
            fixedSingle(r.meanDiameter, "0.0"),
            plain(r.innerDiameter),
            fixedSingle(r.freeLength, "0.0"),
            fixedSingle(r.activeCoils, "0.0"),
            fixedSingle(r.requiredRate, "0.0"),
            fixedSingle(r.rate, "0.00"),
            fixedSingle(r.initialTension, "0.00"),
            verdict(r.freeLengthOk),
            verdict(r.coilsOk),
            verdict(r.initialTensionOk)};
}

class ExtensionExample : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(ExtensionExample, ShowsTheWorkedResults) {
    EXPECT_EQ(shown(quick::compute(extensionDefaults(GetParam().d))), GetParam().shown);
}

const ExtensionRow kExtensionRows[] = {
    {"WireOne", 1, {"1", "9.8", "8.8", "7.8", "20.6", "3.5", "4.0", "3.62", "-6.54", "OK", "OK", "NG"}},
    {"WireOnePointTwo",
     1.2f,
     {"1.2", "10.2", "9.0", "7.8", "25.2", "6.5", "4.0", "3.77", "7.91", "OK", "OK", "OK"}},
    {"WireOnePointSix",
     1.6f,
     {"1.6", "11.0", "9.4", "7.8", "46.0", "17.5", "4.0", "3.89", "87.22", "NG", "OK", "OK"}},
    // No stand-in for a zero wire: no rate, and the hooks alone make the free length.
    {"WireZero", 0, {"0", "7.8", "7.8", "7.8", "15.6", "0.5", "4.0", "0.00", "60.00", "OK", "NG", "OK"}},
};
INSTANTIATE_TEST_SUITE_P(QuickDesign, ExtensionExample, ::testing::ValuesIn(kExtensionRows),
                         rowName<ExtensionRow>);

TEST(QuickExtension, RawCoilsRiseToTheNextHalfOrWholeCoil) {
    const struct {
        float raw, raised;
    } cases[] = {{10.2f, 10.5f}, {10.5f, 11}, {10.7f, 11}, {10, 10.5f}, {0, 0.5f}, {3.16f, 3.5f}, {-0.3f, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(quick::raiseToHalfCoil(c.raw), c.raised) << c.raw;
}

TEST(QuickExtension, VerdictBounds) {
    // d = 1 gives H0 20.6 and n 3.5. An installed length of exactly H0 + 0.5 is NG. Both
    // lengths move together, so the required rate and with it H0 stay as they are.
    quick::ExtensionInputs in = extensionDefaults(1);
    const float h0 = quick::compute(in).freeLength;
    for (float h1 : {num::single(double(h0) + 0.5), std::nextafter(num::single(double(h0) + 0.5), 100.0f)}) {
        in.installedLength = h1;
        in.workingLength = num::single(double(h1) + 5);
        const quick::ExtensionResults r = quick::compute(in);
        ASSERT_EQ(r.freeLength, h0);
        EXPECT_EQ(r.freeLengthOk, h1 > num::single(double(h0) + 0.5)) << h1;
    }
    // G scaled so that the raw count is about 2.6, which rises to exactly 3.
    quick::ExtensionInputs three = extensionDefaults(1);
    three.shearModulus = 69000.0f * 2.6f / 3.16f;
    const quick::ExtensionResults r3 = quick::compute(three);
    ASSERT_EQ(r3.activeCoils, 3.0f);
    EXPECT_TRUE(r3.coilsOk);
    // No wire gives no rate, so the initial tension is P2 itself: 0 is still OK.
    quick::ExtensionInputs zeroTension = extensionDefaults(0);
    zeroTension.workingLoad = 0;
    const quick::ExtensionResults rz = quick::compute(zeroTension);
    ASSERT_EQ(rz.initialTension, 0.0f);
    EXPECT_TRUE(rz.initialTensionOk);
    zeroTension.workingLoad = -0.01f;
    EXPECT_FALSE(quick::compute(zeroTension).initialTensionOk);
}

TEST(QuickExtension, FaultsOfThePart) {
    quick::ExtensionInputs sameLengths = extensionDefaults(1);
    sameLengths.workingLength = sameLengths.installedLength;
    quick::ExtensionInputs sameLoads = extensionDefaults(1);
    sameLoads.workingLoad = sameLoads.installedLoad;
    quick::ExtensionInputs noDiameter = extensionDefaults(0);
    noDiameter.innerDiameter = 0;
    for (const auto& in : {sameLengths, sameLoads, noDiameter})
        EXPECT_THROW(quick::compute(in), num::CalcFault);
}

// ---- torsion spring with straight legs --------------------------------------------------

quick::TorsionInputs torsionDefaults(float d) {
    return {18.22f, 2.083f, -12.78f, 5.52f, 3.4f, 9, 9.31f, 9, 186000, d};
}

struct TorsionRow {
    const char* name;
    float d;
    std::vector<std::string> shown; // d, D2, D, D1, Hs, n, phi0, Ds, M1, M2, verdict
};

void PrintTo(const TorsionRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<std::string> shown(const quick::TorsionResults& r) {
    const char* verdicts[] = {"OK", "NG", "n太多"};
    return {plain(r.wireDiameter),
            plain(r.outerDiameter),
            plain(r.meanDiameter),
            fixedSingle(r.innerDiameter, "0.0"),
            fixedSingle(r.solidHeight, "0.00"),
            fixedSingle(r.activeCoils, "0.00"),
            fixedSingle(r.freeAngle, "0.00"),
            fixedSingle(r.woundInnerDiameter, "0.00"),
            fixedSingle(r.installedTorque, "0.00"),
            fixedSingle(r.workingTorque, "0.00"),
            verdicts[int(r.coils)]};
}

class TorsionExample : public ::testing::TestWithParam<TorsionRow> {};

TEST_P(TorsionExample, ShowsTheWorkedResults) {
    const std::vector<std::string> got = shown(quick::compute(torsionDefaults(GetParam().d)));
    const std::vector<std::string>& want = GetParam().shown;
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        if (!want[i].empty()) {
            EXPECT_EQ(got[i], want[i]) << i;
        }
    }
}

// "" leaves a value the worked example does not name.
const TorsionRow kTorsionRows[] = {
    {"WireZeroPointSeven",
     0.7f,
     {"0.7", "4.8", "4.1", "3.4", "2.39", "2.41", "37.01", "3.16", "19.39", "51.39", "OK"}},
    {"WireZeroPointFive", 0.5f, {"0.5", "", "", "3.4", "", "0.30", "37.01", "", "19.39", "51.39", "NG"}},
    {"WireZeroPointFour", 0.4f, {"0.4", "", "", "3.4", "", "-0.17", "37.01", "", "19.39", "51.39", "NG"}},
    {"WireOnePointFive", 1.5f, {"1.5", "", "", "3.4", "", "50.38", "37.01", "", "19.39", "51.39", "n太多"}},
    {"WireOnePointFour", 1.4f, {"1.4", "", "", "3.4", "", "38.93", "37.01", "", "19.39", "51.39", "OK"}},
    {"WireZeroIsTwoTenths", 0, {"0.2", "3.8", "3.6", "3.4", "", "", "37.01", "", "19.39", "51.39", ""}},
};
INSTANTIATE_TEST_SUITE_P(QuickDesign, TorsionExample, ::testing::ValuesIn(kTorsionRows), rowName<TorsionRow>);

TEST(QuickTorsion, RateFollowsTheLoadsNotTheWire) {
    const quick::TorsionResults r = quick::compute(torsionDefaults(0.7f));
    EXPECT_NEAR(r.rate, 1.0322, 1e-4);
    EXPECT_NEAR(r.installedTwist, 18.79, 0.01);
    EXPECT_NEAR(r.workingTwist, 49.79, 0.01);
}

TEST(QuickTorsion, OneAndFiftyCoilsAreOk) {
    EXPECT_EQ(quick::coilVerdict(std::nextafter(1.0f, 0.0f)), quick::CoilVerdict::TooFew);
    EXPECT_EQ(quick::coilVerdict(1), quick::CoilVerdict::Ok);
    EXPECT_EQ(quick::coilVerdict(50), quick::CoilVerdict::Ok);
    EXPECT_EQ(quick::coilVerdict(std::nextafter(50.0f, 51.0f)), quick::CoilVerdict::TooMany);
}

TEST(QuickTorsion, FaultsOfThePart) {
    quick::TorsionInputs equalLoads = torsionDefaults(0.7f);
    equalLoads.workingLoad = equalLoads.installedLoad;
    quick::TorsionInputs noArm = torsionDefaults(0.7f);
    noArm.loadArm = 0;
    quick::TorsionInputs noMean = torsionDefaults(0.7f);
    noMean.innerDiameter = -0.7f;
    quick::TorsionInputs noModulus = torsionDefaults(0.7f);
    noModulus.youngsModulus = 0;
    for (const auto& in : {equalLoads, noArm, noMean, noModulus})
        EXPECT_THROW(quick::compute(in), num::CalcFault);
}

// ---- compression spring from rate, deflection and mean diameter -------------------------

quick::RateInputs rateDefaults(float meanD, float d) {
    return {0.5f, 78000, 19, 10, meanD, d};
}

struct RateRow {
    const char* name;
    float meanD, d;
    std::vector<std::string> shown; // D1, D, D2, n, n1, t, range, H0, Hb, fmax, W, verdict
};

void PrintTo(const RateRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<std::string> shown(const quick::RateResults& r) {
    return {plain(r.diameters.inner),
            plain(r.diameters.mean),
            plain(r.diameters.outer),
            fixedSingle(r.activeCoils, "0.0"),
            fixedSingle(r.totalCoils, "0.0"),
            fixedSingle(r.pitch, "0.0"),
            fixed(r.pitchLow, "0.0") + "--" + fixed(r.pitchHigh, "0.0"),
            fixedSingle(r.freeHeight, "0.0"),
            fixedSingle(r.solidHeight, "0.0"),
            fixedSingle(r.maxDeflection, "0.0"),
            fixedSingle(r.weight, "0.0"),
            verdict(r.pitchOk)};
}

class RateExample : public ::testing::TestWithParam<RateRow> {};

TEST_P(RateExample, ShowsTheWorkedResults) {
    const std::vector<std::string> got = shown(quick::compute(rateDefaults(GetParam().meanD, GetParam().d)));
    const std::vector<std::string>& want = GetParam().shown;
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        if (!want[i].empty()) {
            EXPECT_EQ(got[i], want[i]) << i;
        }
    }
}

const RateRow kRateRows[] = {
    {"MeanTwentyWireThree",
     20,
     3,
     {"17", "20", "23", "5.2", "7.2", "7.1", "6.0--10.0", "41.6", "20.1", "21.6", "25.1", "OK"}},
    {"MeanTwelveWireOnePointSix",
     12,
     1.6f,
     {"10.4", "12", "13.6", "1.9", "3.9", "12.0", "3.6--6.0", "25.8", "5.5", "20.3", "2.3", "NG"}},
    {"MeanTwentyWireTwoAndAHalf", 20, 2.5f, {"", "", "", "", "", "10.7", "6.0--10.0", "", "", "", "", "NG"}},
    // The diameters are shown with the wire as typed, everything after with 0.2.
    {"MeanTwentyWireZero",
     20,
     0,
     {"20", "20", "20", "0.0", "", "194872.0", "6.0--10.0", "", "", "", "", "NG"}},
};
INSTANTIATE_TEST_SUITE_P(QuickDesign, RateExample, ::testing::ValuesIn(kRateRows), rowName<RateRow>);

TEST(QuickRate, ZeroFactorAndZeroRateUseTwoTenths) {
    quick::RateInputs zeros = rateDefaults(20, 3);
    zeros.loadClassFactor = 0;
    zeros.rate = 0;
    quick::RateInputs standIns = rateDefaults(20, 3);
    standIns.loadClassFactor = 0.2f;
    standIns.rate = 0.2f;
    EXPECT_EQ(shown(quick::compute(zeros)), shown(quick::compute(standIns)));
}

TEST(QuickRate, PitchOnEitherBoundIsOk) {
    // Choose f so that t lands on 0.3 D or 0.5 D: t = f/psi/n + 1.1 d.
    for (double share : {0.3, 0.5}) {
        quick::RateInputs in = rateDefaults(20, 3);
        const quick::RateResults base = quick::compute(in);
        const float bound = num::single(share * 20);
        bool hit = false;
        for (float f = num::single((bound - 3.3) * 0.5 * base.activeCoils - 0.01); f < 100 && !hit;
             f = std::nextafter(f, 100.0f)) {
            in.deflection = f;
            const quick::RateResults r = quick::compute(in);
            if (r.pitch == bound) {
                EXPECT_TRUE(r.pitchOk) << share;
                hit = true;
            } else if (r.pitch > bound) {
                break;
            }
        }
        EXPECT_TRUE(hit) << share;
    }
}

TEST(QuickRate, FaultsOfThePart) {
    quick::RateInputs noMean = rateDefaults(0, 3);
    quick::RateInputs noModulus = rateDefaults(20, 3);
    noModulus.shearModulus = 0;
    quick::RateInputs beyondSingle = rateDefaults(3e38f, 3);
    for (const auto& in : {noMean, noModulus, beyondSingle})
        EXPECT_THROW(quick::compute(in), num::CalcFault);
}

} // namespace
