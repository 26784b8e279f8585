// The pure arithmetic of the wizards: load class, series pick, material file choice, the
// compression design step and its sub-calculators, and the compression check.

#include "calc/wizards/CompressionCheckCore.h"
#include "calc/wizards/CompressionDesignCore.h"
#include "calc/wizards/MaterialDatabaseChoice.h"
#include "calc/wizards/RequirementCore.h"
#include "calc/wizards/SeriesPick.h"
#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// --- LoadClass ---------------------------------------------------------------------------------

struct LoadClassCase {
    const char* name;
    float cycles;
    const char* expected;
};

class LoadClassTest : public ::testing::TestWithParam<LoadClassCase> {};

TEST_P(LoadClassTest, ClassFromCycles) {
    EXPECT_EQ(requirements::loadClass(GetParam().cycles), QString::fromLatin1(GetParam().expected));
}

const LoadClassCase kLoadClasses[] = {
    {"Below1000", 999.0f, "III"},
    {"Exactly1000", 1000.0f, "II"},
    {"Below100000", 99999.0f, "II"},
    {"Exactly100000", 100000.0f, "I"},
    // Read into single precision, 99999.9995 already is 100000.
    {"JustBelow100000InSingle", num::single(99999.9995), "I"},
    {"Zero", 0.0f, "III"},
};
INSTANTIATE_TEST_SUITE_P(Wizard, LoadClassTest, ::testing::ValuesIn(kLoadClasses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RequirementCore, RatesAndAnglesAndZeroDivisors) {
    EXPECT_EQ(requirements::requiredRate(200, 420, 10), 22.0f);
    EXPECT_EQ(requirements::extensionTestLoad(500), 625.0f);
    const float rate = requirements::requiredRate(1000, 3000, 50);
    EXPECT_EQ(rate, 40.0f);
    EXPECT_EQ(requirements::angleForTorque(3000, rate), 75.0f);
    // A falling requirement gives a negative rate, kept as it is.
    EXPECT_EQ(requirements::requiredRate(420, 200, 10), -22.0f);
    EXPECT_THROW(requirements::requiredRate(200, 420, 0), num::CalcFault);
    EXPECT_THROW(requirements::angleForTorque(1000, 0), num::CalcFault);
}

// --- NearestSeriesPick -------------------------------------------------------------------------

struct PickCase {
    const char* name;
    bool coils; // the active-coil series, else the wire diameters
    double value;
    const char* expected; // nullptr: nothing picked
};

class NearestSeriesPickTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(NearestSeriesPickTest, FirstEntryNotBelowTheValue) {
    const PickCase& c = GetParam();
    const QStringList& entries = c.coils ? series::activeCoilSeries() : series::standardWireDiameters();
    const std::optional<int> index = series::nearestIndex(entries, c.value);
    if (!c.expected) {
        EXPECT_FALSE(index.has_value());
        return;
    }
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(entries[*index], QString::fromLatin1(c.expected));
}

const PickCase kPicks[] = {
    {"EqualEntryWithFewerDecimals", false, 1.20, "1.2"},
    {"BetweenEntriesPicksLarger", false, 9.50, "10.0"},
    {"JustBelowOne", false, 0.95, "1.0"},
    {"BetweenSevenAndEight", false, 7.80, "8.0"},
    {"BelowFirstWire", false, 0.05, "0.08"},
    {"AboveLastWire", false, 13.20, nullptr},
    {"TenPointFiveThree", false, 10.53, "11.0"},
    {"TrialWireExample", false, 4.69, "5.0"},
    {"LastWire", false, 13.0, "13.0"},
    {"CoilsEqual", true, 8.00, "8.0"},
    {"BelowFirstCoil", true, 0.05, "2.00"},
    {"AboveLastCoil", true, 31.00, nullptr},
    {"ActiveCoilExample", true, 6.14, "6.5"},
    {"CoilsWithoutDecimals", true, 15.5, "16"},
};
INSTANTIATE_TEST_SUITE_P(Wizard, NearestSeriesPickTest, ::testing::ValuesIn(kPicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WizardSeries, TextsAsListed) {
    const QStringList& wires = series::standardWireDiameters();
    ASSERT_EQ(wires.size(), 48);
    EXPECT_EQ(wires.first(), QStringLiteral("0.08"));
    EXPECT_EQ(wires[22], QStringLiteral("0.90"));
    EXPECT_EQ(wires[23], QStringLiteral("1.0"));
    EXPECT_EQ(wires.last(), QStringLiteral("13.0"));
    const QStringList& coils = series::activeCoilSeries();
    ASSERT_EQ(coils.size(), 35);
    EXPECT_EQ(coils[12], QStringLiteral("5.50"));
    EXPECT_EQ(coils[13], QStringLiteral("6.0"));
    EXPECT_EQ(coils[26], QStringLiteral("14.5"));
    EXPECT_EQ(coils[27], QStringLiteral("15"));
    EXPECT_EQ(coils.last(), QStringLiteral("30"));
    for (const QStringList* list : {&wires, &coils})
        for (int i = 1; i < list->size(); ++i)
            EXPECT_LT(num::strict((*list)[i - 1]).value(), num::strict((*list)[i]).value())
                << qPrintable((*list)[i]);
}

// --- MaterialDatabaseChoice --------------------------------------------------------------------

TEST(MaterialDatabaseChoice, LocaleNamePicksTheFile) {
    const std::pair<const char*, const char*> kCases[] = {
        {"zh_CN.UTF-8", "db.mdb"},
        {"zh_SG", "db.mdb"},
        {"zh", "db.mdb"},
        {"zh_TW.UTF-8", "dbtw.mdb"},
        {"zh_HK.Big5", "dbtw.mdb"},
        {"zh_MO", "dbtw.mdb"},
        {"en_US.UTF-8", "dben.mdb"},
        {"de_DE@euro", "dben.mdb"},
        {"C", "dben.mdb"},
        {"", "dben.mdb"},
        {"zh_TWX", "dben.mdb"},
        {"POSIX", "dben.mdb"},
    };
    for (const auto& [locale, file] : kCases)
        EXPECT_EQ(materialdb::fileForLocale(QString::fromLatin1(locale)), QString::fromLatin1(file))
            << locale;
}

TEST(MaterialDatabaseChoice, LcAllBeforeLcCtypeBeforeLang) {
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_CTYPE"), qgetenv("LANG")};
    qputenv("LC_ALL", "");
    qputenv("LC_CTYPE", "zh_TW.UTF-8");
    qputenv("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(materialdb::systemFile(), QStringLiteral("dbtw.mdb"));
    qputenv("LC_ALL", "en_GB.UTF-8");
    EXPECT_EQ(materialdb::systemFile(), QStringLiteral("dben.mdb"));
    qputenv("LC_ALL", "");
    qputenv("LC_CTYPE", "");
    EXPECT_EQ(materialdb::systemFile(), QStringLiteral("db.mdb"));
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_CTYPE", saved[1]);
    qputenv("LANG", saved[2]);
}

// --- Compression design step -------------------------------------------------------------------

TEST(CompressionDesignCore, DefaultsGiveIndexWahlFactorAndTotalCoils) {
    compressiondesign::DesignResults r;
    compressiondesign::compute({4.5f, 32.0f, 6.0f, 80000.0f, 22.0f, 2.0f}, r);
    EXPECT_EQ(r.springIndex, 7.11f);
    EXPECT_EQ(r.wahlFactor, 1.21f);
    EXPECT_EQ(r.totalCoils, 8.0f);
    EXPECT_EQ(num::formatSingle(r.rate, u"0.00"), QStringLiteral("20.86"));
    EXPECT_EQ(num::formatSingle(r.rateError, u"0.00"), QStringLiteral("5.20"));
}

TEST(CompressionDesignCore, RateErrorIsAbsolute) {
    compressiondesign::DesignResults r;
    compressiondesign::compute({4.5f, 32.0f, 6.0f, 80000.0f, 20.0f, 1.5f}, r);
    EXPECT_GT(r.rate, 20.0f);
    EXPECT_GT(r.rateError, 0.0f);
    // k equal to K1' gives no error.
    compressiondesign::DesignResults same;
    compressiondesign::compute({4.5f, 32.0f, 6.0f, 80000.0f, r.rate, 1.5f}, same);
    EXPECT_EQ(num::formatSingle(same.rateError, u"0.00"), QStringLiteral("0.00"));
}

TEST(CompressionDesignCore, FaultsKeepTheResultsComputedBefore) {
    compressiondesign::DesignResults r;
    // K1' = 0: everything up to the error is computed, the error faults.
    EXPECT_THROW(compressiondesign::compute({4.5f, 32.0f, 6.0f, 80000.0f, 0.0f, 2.0f}, r), num::CalcFault);
    EXPECT_EQ(r.wahlFactor, 1.21f);
    // D = d makes C = 1, the Wahl factor's zero denominator.
    EXPECT_THROW(compressiondesign::compute({4.0f, 4.0f, 6.0f, 80000.0f, 22.0f, 2.0f}, r), num::CalcFault);
    EXPECT_THROW(compressiondesign::compute({4.5f, 0.0f, 6.0f, 80000.0f, 22.0f, 2.0f}, r), num::CalcFault);
}

TEST(CompressionDesignCore, SubCalculatorExamples) {
    EXPECT_EQ(num::formatSingle(compressiondesign::trialWireDiameter(1.21f, 7.11f, 500, 500), u"0.00"),
              QStringLiteral("4.69"));
    EXPECT_EQ(num::textSingle(compressiondesign::trialMeanDiameter(4.5f, 7.0f)), QStringLiteral("31.5"));
    EXPECT_EQ(num::textSingle(compressiondesign::trialMeanDiameter(4.5f, 6.66f)), QStringLiteral("30"));
    EXPECT_EQ(num::formatSingle(compressiondesign::trialActiveCoils(78500, 32, 7.11f, 20), u"0.00"),
              QStringLiteral("6.14"));
    EXPECT_THROW(compressiondesign::trialWireDiameter(1.21f, 7.11f, 500, 0), num::CalcFault);
    EXPECT_THROW(compressiondesign::trialWireDiameter(1.21f, -7.11f, 500, 500), num::CalcFault);
    EXPECT_THROW(compressiondesign::trialActiveCoils(78500, 32, 0, 20), num::CalcFault);
    EXPECT_THROW(compressiondesign::trialActiveCoils(78500, 32, 7.11f, 0), num::CalcFault);
}

// --- Compression check -------------------------------------------------------------------------

using compressioncheck::Fixing;

// A plain design: d 4, D 30, n 6, k 20, K 1.2, F1' 200, H1' 50, F2' 400, [tau] 500, n2 1.5.
compressioncheck::Inputs plainDesign() {
    compressioncheck::Inputs in;
    in.installedLoad = 200;
    in.installedHeight = 50;
    in.workingLoad = 400;
    in.allowableShear = 500;
    in.endCoils = 1.5f;
    in.wireDiameter = 4;
    in.meanDiameter = 30;
    in.activeCoils = 6;
    in.rate = 20;
    in.wahlFactor = 1.2f;
    in.tensileStrength = 1500;
    in.fixing = Fixing::BothFixed;
    in.forcedFrequency = 25.0f;
    return in;
}

TEST(CompressionCheckCore, PlainDesign) {
    const compressioncheck::Results r = compressioncheck::compute(plainDesign());
    EXPECT_EQ(r.installedDeflection, 10.0f);
    EXPECT_EQ(r.freeHeight, 60.0f);
    EXPECT_EQ(r.pitch, num::single((60.0 - 1.0 * 4) / 6));
    EXPECT_EQ(r.slenderness, 2.0f);
    EXPECT_EQ(r.testLoad, num::single(3.14159 * 4 * 4 * 4 * 500 * 1.2 / 8 / 30));
    EXPECT_EQ(r.naturalFrequency, num::single(4 * 356000.0 / 6 / 30 / 30));
    ASSERT_TRUE(r.stability.has_value());
    EXPECT_FALSE(r.stability->computed);
    EXPECT_EQ(r.stability->verdictId, 2340);
    EXPECT_EQ(r.resonanceOk, std::optional<bool>(true)); // 10 x 25 Hz below 263.7 Hz
}

TEST(CompressionCheckCore, TestLoadFactorOnlyOutsideClassThree) {
    compressioncheck::Inputs in = plainDesign();
    const float withFactor = compressioncheck::compute(in).testLoad;
    in.classIII = true;
    const float without = compressioncheck::compute(in).testLoad;
    EXPECT_EQ(withFactor, num::single(double(without) * 1.2));
}

// The load, among the floats nearest to ratio * fs * k, for which the deflection over fs
// comes out exactly at the ratio in single precision.
float loadForRatio(compressioncheck::Inputs in, float compressioncheck::Inputs::*load,
                   float compressioncheck::Results::*ratio, float target) {
    const float fs = compressioncheck::compute(in).testDeflection;
    float candidate = num::single(double(target) * double(fs) * double(in.rate));
    for (int step = 0; step < 1000; ++step)
        candidate = std::nextafter(candidate, -1e9f);
    for (int step = 0; step < 2000; ++step, candidate = std::nextafter(candidate, 1e9f)) {
        in.*load = candidate;
        if (compressioncheck::compute(in).*ratio == target)
            return candidate;
    }
    ADD_FAILURE() << "no load gives the ratio " << target;
    return candidate;
}

TEST(CompressionCheckCore, DeformationRatioBoundsInclusive) {
    using I = compressioncheck::Inputs;
    using R = compressioncheck::Results;
    // With fs near 37.5 mm the deflections are fine enough in single precision for the ratio
    // to land on 0.2 and 0.8 exactly.
    compressioncheck::Inputs base = plainDesign();
    base.rate = 13.4f;
    compressioncheck::Inputs in = base;
    in.installedLoad = loadForRatio(in, &I::installedLoad, &R::minRatio, 0.2f);
    EXPECT_TRUE(compressioncheck::compute(in).minRatioOk);
    while (compressioncheck::compute(in).minRatio >= 0.2f)
        in.installedLoad = std::nextafter(in.installedLoad, -1e9f);
    EXPECT_FALSE(compressioncheck::compute(in).minRatioOk);

    in = base;
    in.workingLoad = loadForRatio(in, &I::workingLoad, &R::maxRatio, 0.8f);
    EXPECT_TRUE(compressioncheck::compute(in).maxRatioOk);
    while (compressioncheck::compute(in).maxRatio <= 0.8f)
        in.workingLoad = std::nextafter(in.workingLoad, 1e9f);
    EXPECT_FALSE(compressioncheck::compute(in).maxRatioOk);
}

// b = H0 / D = H1' exactly with D 1 and no installed load.
compressioncheck::Inputs withSlenderness(float b, Fixing fixing) {
    compressioncheck::Inputs in = plainDesign();
    in.meanDiameter = 1;
    in.installedLoad = 0;
    in.installedHeight = b;
    in.fixing = fixing;
    return in;
}

TEST(CompressionCheckCore, SlendernessAtTheLimitNeedsNoCriticalLoad) {
    const std::tuple<Fixing, float, int> kLimits[] = {{Fixing::BothFixed, 5.3f, 2340},
                                                      {Fixing::OneFixedOnePivoted, 3.7f, 0},
                                                      {Fixing::BothPivoted, 2.6f, 2340}};
    for (const auto& [fixing, limit, verdict] : kLimits) {
        const compressioncheck::Results at = compressioncheck::compute(withSlenderness(limit, fixing));
        ASSERT_EQ(at.slenderness, limit);
        ASSERT_TRUE(at.stability.has_value());
        EXPECT_FALSE(at.stability->computed) << limit;
        EXPECT_EQ(at.stability->verdictId, verdict) << limit;
        const compressioncheck::Results above =
            compressioncheck::compute(withSlenderness(std::nextafter(limit, 100.0f), fixing));
        EXPECT_TRUE(above.stability->computed) << limit;
    }
}

TEST(CompressionCheckCore, CriticalLoadPolynomialsAsWritten) {
    // Both leading terms divide by b^5; values for b 6, 3 and 4.
    EXPECT_NEAR(compressioncheck::criticalLoadFactor(Fixing::BothFixed, 6.0), 0.07440843621399229, 1e-15);
    EXPECT_NEAR(compressioncheck::criticalLoadFactor(Fixing::BothPivoted, 3.0), -1.0604279835390948, 1e-15);
    EXPECT_NEAR(compressioncheck::criticalLoadFactor(Fixing::OneFixedOnePivoted, 4.0), -0.09222656250000005,
                1e-15);
}

TEST(CompressionCheckCore, WorkingLoadEqualToCriticalLoadFails) {
    for (Fixing fixing :
         {Fixing::BothFixed, Fixing::BothPivoted, Fixing::OneFixedOnePivoted, Fixing::GuideRod}) {
        // b 6 lies above every limit; the guide rod computes whatever b is.
        compressioncheck::Inputs in = withSlenderness(6.0f, fixing);
        const float critical = compressioncheck::compute(in).stability->criticalLoad;
        in.workingLoad = critical;
        const compressioncheck::Results equal = compressioncheck::compute(in);
        ASSERT_TRUE(equal.stability->computed);
        EXPECT_EQ(equal.stability->verdictId, fixing == Fixing::BothFixed ? 2341 : 2338);
        in.workingLoad = std::nextafter(critical, -1e9f);
        EXPECT_EQ(compressioncheck::compute(in).stability->verdictId,
                  fixing == Fixing::BothFixed ? 2340 : 2337);
    }
}

TEST(CompressionCheckCore, GuideRodCriticalLoadIsRateTimesFreeHeight) {
    for (float b : {1.0f, 9.0f}) {
        compressioncheck::Inputs in = withSlenderness(b, Fixing::GuideRod);
        const compressioncheck::Results r = compressioncheck::compute(in);
        EXPECT_TRUE(r.stability->computed);
        EXPECT_EQ(r.stability->criticalLoad, num::single(double(in.rate) * double(r.freeHeight)));
    }
}

TEST(CompressionCheckCore, NoFixingLeavesStabilityOut) {
    compressioncheck::Inputs in = plainDesign();
    in.fixing.reset();
    EXPECT_FALSE(compressioncheck::compute(in).stability.has_value());
}

TEST(CompressionCheckCore, TenTimesForcedFrequencyEqualToNaturalFails) {
    compressioncheck::Inputs in = plainDesign();
    const float fn = compressioncheck::compute(in).naturalFrequency;
    in.forcedFrequency = num::single(double(fn) / 10.0);
    ASSERT_EQ(num::single(10.0 * double(*in.forcedFrequency)), fn);
    EXPECT_EQ(compressioncheck::compute(in).resonanceOk, std::optional<bool>(false));
    in.forcedFrequency = std::nextafter(*in.forcedFrequency, 0.0f);
    in.forcedFrequency = std::nextafter(*in.forcedFrequency, 0.0f);
    EXPECT_EQ(compressioncheck::compute(in).resonanceOk, std::optional<bool>(true));
    in.forcedFrequency.reset();
    EXPECT_FALSE(compressioncheck::compute(in).resonanceOk.has_value());
}

TEST(CompressionCheckCore, StrengthRatioOfExactly045Fails) {
    compressioncheck::Inputs in = plainDesign();
    const float tauMax = compressioncheck::compute(in).maxShearStress;
    in.tensileStrength = num::single(double(tauMax) / double(0.45f));
    const compressioncheck::Results r = compressioncheck::compute(in);
    ASSERT_EQ(r.strengthRatio, 0.45f);
    EXPECT_FALSE(r.fatigueOk);
    in.tensileStrength = std::nextafter(in.tensileStrength, 1e9f);
    in.tensileStrength = std::nextafter(in.tensileStrength, 1e9f);
    EXPECT_TRUE(compressioncheck::compute(in).fatigueOk);
}

TEST(CompressionCheckCore, ZeroDivisorsFault) {
    for (auto zero : {&compressioncheck::Inputs::rate, &compressioncheck::Inputs::meanDiameter,
                      &compressioncheck::Inputs::activeCoils, &compressioncheck::Inputs::wireDiameter}) {
        compressioncheck::Inputs in = plainDesign();
        in.*zero = 0;
        EXPECT_THROW(compressioncheck::compute(in), num::CalcFault);
    }
}

TEST(CompressionCheckCore, ReportValues) {
    // S = (0.75 tau min + 0.5 sigma b) / tau max; helix angle with 3.14159 in the tangent and
    // 3.14 in the conversion to degrees.
    EXPECT_DOUBLE_EQ(compressioncheck::safetyFactor(300, 1500, 600), (225.0 + 750.0) / 600.0);
    const double pitch = (60.0 - 1.0 * 4) / 6;
    EXPECT_DOUBLE_EQ(compressioncheck::helixAngleDegrees(60, 1.5f, 4, 6, 30),
                     std::atan(pitch / 3.14159 / 30) * 180 / 3.14);
    EXPECT_THROW(compressioncheck::safetyFactor(300, 1500, 0), num::CalcFault);
}

// The sizes of the report's last section, as the report shows them.
struct ReportSizesCase {
    const char* name;
    compressioncheck::ReportInputs in;
    const char* workingHeight; // "0.00"
    const char* testHeight;    // "0.00"
    const char* groundSolid;   // shortest single
    const char* notGroundSolid;
    const char* wireLength; // "0.00"
    const char* mass;       // "0.00"
};

// The wizard run of the worked example through the cores: d 4.5, D 32, n 6, n2 1.5, K1' 22,
// F1' 200 at H1' 56, F2' 420, class II, [tau] 754, sigma b 1885, both ends fixed, 25 Hz.
compressioncheck::ReportInputs workedExampleSizes() {
    compressiondesign::DesignResults design;
    compressiondesign::compute({4.5f, 32.0f, 6.0f, 80000.0f, 22.0f, 1.5f}, design);
    const compressioncheck::Inputs in{.installedLoad = 200,
                                      .installedHeight = 56,
                                      .workingLoad = 420,
                                      .allowableShear = 754,
                                      .endCoils = 1.5f,
                                      .wireDiameter = 4.5f,
                                      .meanDiameter = 32,
                                      .activeCoils = 6,
                                      .rate = design.rate,
                                      .wahlFactor = design.wahlFactor,
                                      .tensileStrength = 1885,
                                      .fixing = Fixing::BothFixed,
                                      .forcedFrequency = 25.0f};
    const compressioncheck::Results r = compressioncheck::compute(in);
    return {r.freeHeight, r.workingDeflection, r.testDeflection, 6, 1.5f, 4.5f, 32, design.totalCoils};
}

class ReportSizes : public ::testing::TestWithParam<ReportSizesCase> {};

TEST_P(ReportSizes, AsTheReportShowsThem) {
    const ReportSizesCase& c = GetParam();
    const compressioncheck::ReportValues v = compressioncheck::reportValues(c.in);
    EXPECT_EQ(num::formatSingle(v.workingHeight, u"0.00"), QString::fromLatin1(c.workingHeight));
    EXPECT_EQ(num::formatSingle(v.testHeight, u"0.00"), QString::fromLatin1(c.testHeight));
    EXPECT_EQ(num::textSingle(v.groundSolidHeight), QString::fromLatin1(c.groundSolid));
    EXPECT_EQ(num::text(v.notGroundSolidHeight), QString::fromLatin1(c.notGroundSolid));
    EXPECT_EQ(num::format(v.wireLength, u"0.00"), QString::fromLatin1(c.wireLength));
    EXPECT_EQ(num::format(v.mass, u"0.00"), QString::fromLatin1(c.mass));
}

const ReportSizesCase kReportSizes[] = {
    {"WorkedExample", workedExampleSizes(), "45.45", "17.08", "33.75", "40.5", "753.98", "93.80"},
    // d 4, D 30, n 6, n2 1.5: (6 + 1.5) x 4 ground, (6 + 1.5 + 1.5) x 4 not ground.
    {"PlainDesign", {60, 20, 50, 6, 1.5f, 4, 30, 7.5f}, "40.00", "10.00", "30", "36", "706.86", "69.48"},
    // 6.1 + 1.7 is stored as a single before it is multiplied: 7.8f x 2 shows in 7 digits, the
    // not-ground height keeps the single's binary value.
    {"CoilCountInSingle",
     {30, 5, 10, 6.1f, 1.7f, 2, 10, 7.8f},
     "25.00",
     "20.00",
     "15.6",
     "18.6000003814697",
     "245.04",
     "6.02"},
};
INSTANTIATE_TEST_SUITE_P(CompressionCheckCore, ReportSizes, ::testing::ValuesIn(kReportSizes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
