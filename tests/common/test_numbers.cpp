#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- lenient reading ---------------------------------------------------------------------

TEST(NumbersLenient, ReadsTheLeadingNumberAndIgnoresTheRest) {
    struct Case {
        const char* name;
        QString input;
        double expected;
    };
    const Case cases[] = {
        {"slash stops the number", "12/5", 12.0},
        {"lone point", ".", 0.0},
        {"second point stops", "1.2.3", 1.2},
        {"blanks, sign and trailing letters", "  -3.5x", -3.5},
        {"empty", "", 0.0},
        {"plus sign", "+2", 2.0},
        {"letters only", "abc", 0.0},
        {"negative without integer digits", "-.5", -0.5},
        {"sign alone", "-", 0.0},
        {"trailing blanks", "  12  ", 12.0},
        {"tab before the number", "\t7", 7.0},
        {"exponent is not read", "1e3", 1.0},
        {"comma is no decimal point", "12,5", 12.0},
        {"inner blank stops", "1 2", 1.0},
        {"blank after sign stops", "- 4", 0.0},
        {"full-width digits are no digits", QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92"), 0.0},
        {"trailing point", "8.", 8.0},
        {"many digits", "123456789012345678901234567890", 123456789012345678901234567890.0},
        {"too small for a double", "0." + QString(400, u'0') + "1", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::lenient(c.input), c.expected);
    }
}

TEST(NumbersLenient, NegativeZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(num::lenient(u"-0")));
    EXPECT_FALSE(std::signbit(num::lenient(u"-0.000")));
    EXPECT_EQ(num::format(num::lenient(u"-0"), u"0.0").toStdString(), "0.0");
}

TEST(NumbersLenient, NumberBeyondTheDoubleRangeIsAFault) {
    EXPECT_THROW(num::lenient(QString("1") + QString(400, u'0')), num::CalcFault);
}

// ---- strict reading ----------------------------------------------------------------------

TEST(NumbersStrict, AcceptsWholeNumbers) {
    struct Case {
        const char* name;
        QString input;
        double expected;
    };
    const Case cases[] = {
        {"exponent", "1e3", 1000.0},
        {"capital exponent with sign", "1E-3", 0.001},
        {"decimal", "1.5", 1.5},
        {"surrounding blanks", " 2 ", 2.0},
        {"tabs and newline", "\t7\n", 7.0},
        {"negative", "-3", -3.0},
        {"plus sign", "+4", 4.0},
        {"no integer digits", ".5", 0.5},
        {"trailing point", "5.", 5.0},
        {"underflow reads zero", "1e-400", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<double> value = num::strict(c.input);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
        EXPECT_EQ(num::strictOrFault(c.input), c.expected);
    }
}

TEST(NumbersStrict, RejectsAnythingElse) {
    struct Case {
        const char* name;
        QString input;
    };
    const Case cases[] = {
        {"empty", ""},
        {"blanks only", "   "},
        {"lone point", "."},
        {"two points", "1.2.3"},
        {"slash", "12/5"},
        {"comma", "1,5"},
        {"letters", "abc"},
        {"trailing letter", "3x"},
        {"exponent without digits", "1e"},
        {"exponent sign without digits", "1e+"},
        {"exponent without mantissa", "e3"},
        {"sign alone", "-"},
        {"double sign", "--1"},
        {"mixed signs", "+-1"},
        {"inner blank", "1 2"},
        {"infinity word", "inf"},
        {"nan word", "nan"},
        {"hexadecimal", "0x10"},
        {"VB double exponent letter", "1d3"},
        {"overflow", "1e400"},
        {"full-width digits", QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(num::strict(c.input).has_value());
        EXPECT_THROW(num::strictOrFault(c.input), num::CalcFault);
    }
}

TEST(NumbersStrict, NegativeZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(*num::strict(u"-0")));
}

// ---- shortest text -----------------------------------------------------------------------

TEST(NumbersText, DoubleUsesFifteenSignificantDigits) {
    struct Case {
        const char* name;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"quotient", 14.7 / 0.8, "18.375"},
        {"product", 1.088 * 9.8, "10.6624"},
        {"three decimals", 376.992, "376.992"},
        {"binary noise removed", 0.1 + 0.2, "0.3"},
        {"whole number", 8000.0, "8000"},
        {"negative below one", -0.5, "-0.5"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"third", 1.0 / 3.0, "0.333333333333333"},
        {"two thirds rounds", 2.0 / 3.0, "0.666666666666667"},
        {"fifteen integer digits", 123456789012345.0, "123456789012345"},
        {"fraction rounded away at 15 digits", 123456789012345.6, "123456789012346"},
        {"exponent 15", 1e15, "1E+15"},
        {"rounds up into exponent 15", 999999999999999.9, "1E+15"},
        {"exponent 16", 1e16, "1E+16"},
        {"exponent 16 with fraction", 1.5e16, "1.5E+16"},
        {"three-digit exponent", 1e100, "1E+100"},
        {"small fixed", 0.0001, "0.0001"},
        {"small exponent", 0.00001, "1E-05"},
        {"small exponent with fraction", -1.5e-7, "-1.5E-07"},
        {"exponent -7", 1e-7, "1E-07"},
        {"largest double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::text(c.value).toStdString(), c.expected);
    }
}

TEST(NumbersText, SingleUsesSevenSignificantDigits) {
    struct Case {
        const char* name;
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {"stored 20.1", 20.1f, "20.1"},
        {"stored 725.45", 725.45f, "725.45"},
        {"stored 0.1", 0.1f, "0.1"},
        {"third", 1.0f / 3.0f, "0.3333333"},
        {"seven integer digits", 1234567.0f, "1234567"},
        {"exponent 7", 1e7f, "1E+07"},
        {"rounded to seven digits", 16777216.0f, "1.677722E+07"},
        {"small exponent", 1e-5f, "1E-05"},
        {"negative", -2.5f, "-2.5"},
        {"zero", 0.0f, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::textSingle(c.value).toStdString(), c.expected);
    }
}

// ---- format patterns ---------------------------------------------------------------------

TEST(NumbersFormat, DoubleRoundsHalfAwayFromZeroOnTheDecimalText) {
    struct Case {
        const char* name;
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"tie rounds up", 14.625, "0.00", "14.63"},
        {"whole tie", 2.5, "0", "3"},
        {"negative whole tie", -2.5, "0", "-3"},
        {"negative tie", -1.5, "0", "-2"},
        {"binary 1.00499.. is text 1.005", 1.005, "0.00", "1.01"},
        {"binary 0.14999.. is text 0.15", 0.15, "0.0", "0.2"},
        {"exact digits", 0.98, "0.00", "0.98"},
        {"padded", 100.0, "0.0", "100.0"},
        {"padded two", 9.8, "0.00", "9.80"},
        {"padded thousand", 1000.0, "0.0", "1000.0"},
        {"four places", 0.0394, "0.0000", "0.0394"},
        {"zero padded", 0.0, "0.0000", "0.0000"},
        {"negative zero has no sign", -0.0, "0.0", "0.0"},
        {"carry into a new digit", 999.96, "0.0", "1000.0"},
        {"carry below one", 0.995, "0.00", "1.00"},
        {"tiny value", 0.0001234, "0.000", "0.000"},
        {"tie at the first digit", 0.5, "0", "1"},
        {"below half at the first digit", 0.4, "0", "0"},
        {"negative rounding to zero keeps its sign", -0.04, "0.0", "-0.0"},
        {"whole pattern", 18.375, "0", "18"},
        {"large value in full", 1e16, "0", "10000000000000000"},
        {"large value with decimals", 1.5e16, "0.0", "15000000000000000.0"},
        {"leading zero placeholders", 5.0, "00", "05"},
        {"more integer digits than placeholders", 1234.0, "00", "1234"},
        {"percent", 1.01, "0%", "101%"},
        {"percent with decimals", 0.5, "0.00%", "50.00%"},
        {"percent rounds the scaled text", 0.12345, "0.0%", "12.3%"},
        {"percent tie", 0.0125, "0.0%", "1.3%"},
        {"optional digits", 123.456, "#.##", "123.46"},
        {"optional integer digit hidden", 0.5, "#.##", ".5"},
        {"point kept without fraction", 3.0, "#.##", "3."},
        {"optional digits after required", 1.5, "0.0###", "1.5"},
        {"optional digits all used", 1.23456, "0.0###", "1.2346"},
        {"optional digits none used", 1.0, "0.0###", "1.0"},
        {"hash alone", 42.4, "#", "42"},
        {"no pattern is the shortest text", 14.7 / 0.8, "", "18.375"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::format(c.value, QString::fromLatin1(c.pattern)).toStdString(), c.expected);
    }
}

TEST(NumbersFormat, SingleUnderAPatternRoundsItsExactlyWidenedValue) {
    struct Case {
        const char* name;
        float value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"stored 725.45 is 725.450012...", 725.45f, "0.0", "725.5"},
        {"stored 1.005 is 1.00499999...", 1.005f, "0.00", "1.00"},
        {"padded", 20.1f, "0.00", "20.10"},
        {"every digit of a large single", 16777216.0f, "0", "16777216"},
        {"stored 0.255 is 0.254999995...", 0.255f, "0%", "25%"},
        {"negative", -3.25f, "0.0", "-3.3"},
        {"stored 1000.00006 shows its last digit", 1000.00006f, "0.0000", "1000.0001"},
        {"no pattern keeps the seven-digit shortest text", 20.1f, "", "20.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::formatSingle(c.value, QString::fromLatin1(c.pattern)).toStdString(), c.expected);
    }
    // Plain text of a single keeps seven digits.
    EXPECT_EQ(num::textSingle(1.005f).toStdString(), "1.005");
}

TEST(NumbersFormat, UnsupportedPatternIsAProgrammingError) {
    for (const char* pattern : {"0.0x", "abc", "%", ".", "0,000", "0.0.0", "0%0"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(num::format(1.0, QString::fromLatin1(pattern)), std::invalid_argument);
    }
}

// ---- rounding ----------------------------------------------------------------------------

TEST(NumbersRounding, HalfEvenOnTheDecimalText) {
    struct Case {
        const char* name;
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {"carries to a whole number", 376.992, 1, 377.0},
        {"tie to even down", 2.5, 0, 2.0},
        {"tie to even up", 3.5, 0, 4.0},
        {"one and a half", 1.5, 0, 2.0},
        {"text tie 0.125 down", 0.125, 2, 0.12},
        {"text tie 0.135 up", 0.135, 2, 0.14},
        {"binary 0.14499.. is tie 0.145", 0.145, 2, 0.14},
        {"binary 2.67499.. is tie 2.675", 2.675, 2, 2.68},
        {"negative tie", -2.5, 0, -2.0},
        {"negative tie up", -3.5, 0, -4.0},
        {"tie 1.25", 1.25, 1, 1.2},
        {"carry past nines", 9.95, 1, 10.0},
        {"above half", 2.51, 0, 3.0},
        {"below half", 2.49, 0, 2.0},
        {"no rounding needed", 0.98, 4, 0.98},
        {"15-digit text is 0.5", 0.49999999999999994, 0, 0.0},
        {"text tie 589.05 to a whole number", 589.05, 0, 589.0},
        {"text tie 1374.45 to one decimal", 1374.45, 1, 1374.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::roundHalfEven(c.value, c.decimals), c.expected);
    }
}

TEST(NumbersRounding, ZeroResultCarriesNoSign) {
    EXPECT_FALSE(std::signbit(num::roundHalfEven(-0.4, 0)));
    EXPECT_FALSE(std::signbit(num::fixed4(-0.00004)));
}

TEST(NumbersRounding, FixedFourDecimals) {
    struct Case {
        const char* name;
        double value;
        double expected;
    };
    const Case cases[] = {
        {"tie at the first kept digit", 0.00005, 0.0}, {"tie to even up", 0.00015, 0.0002},
        {"tie to even down", 100.00005, 100.0},        {"already four decimals", 0.98, 0.98},
        {"many decimals", 1.23456789, 1.2346},         {"negative tie", -0.00015, -0.0002},
        {"large tie", 12345.67895, 12345.679},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(num::fixed4(c.value), c.expected);
    }
}

// ---- values that cannot be shown -----------------------------------------------------------

TEST(NumbersNonFinite, WritingOrRoundingThemIsAFault) {
    for (const double value : {kInfinity, -kInfinity, kNaN}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(num::text(value), num::CalcFault);
        EXPECT_THROW(num::textSingle(static_cast<float>(value)), num::CalcFault);
        EXPECT_THROW(num::format(value, u"0.00"), num::CalcFault);
        EXPECT_THROW(num::formatSingle(static_cast<float>(value), u"0.0"), num::CalcFault);
        EXPECT_THROW(num::roundHalfEven(value, 2), num::CalcFault);
        EXPECT_THROW(num::fixed4(value), num::CalcFault);
    }
}

// ---- locale ------------------------------------------------------------------------------

// Qt sets the C locale from the environment; a comma locale must not change the text.
TEST(NumbersLocale, CommaLocaleChangesNothing) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    const std::string shown = num::text(18.375).toStdString();
    const std::string formatted = num::format(14.625, u"0.00").toStdString();
    const std::optional<double> read = num::strict(u"1.5");
    const double lenientRead = num::lenient(u"2.25");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(shown, "18.375");
    EXPECT_EQ(formatted, "14.63");
    EXPECT_EQ(read, std::optional<double>(1.5));
    EXPECT_EQ(lenientRead, 2.25);
}

} // namespace
