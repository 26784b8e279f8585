#include "common/Numbers.h"

#include "common/CheckedMath.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>
#include <system_error>

// All conversions go through std::to_chars / std::from_chars: unlike printf and strtod they
// ignore the C locale, which Qt sets from the environment, so "." stays the decimal point.

namespace num {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// A finite value as a decimal: magnitude = 0.<digits> x 10^pointPos. The digits carry no
// leading or trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 0;

    bool isZero() const { return digits.empty(); }

    void stripTrailingZeros() {
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        if (digits.empty())
            pointPos = 0;
    }

    // The integer digits of the magnitude, without leading zeros ("" when below one).
    std::string integerDigits() const {
        if (pointPos <= 0)
            return {};
        std::string result = digits.substr(0, static_cast<std::size_t>(pointPos));
        result.append(static_cast<std::size_t>(pointPos) - result.size(), '0');
        return result;
    }

    // The first `count` digits after the decimal point, padded with zeros.
    std::string fractionDigits(int count) const {
        std::string result;
        for (int position = 0; position < count; ++position) {
            const int index = pointPos + position; // index into digits
            const bool inside = index >= 0 && index < static_cast<int>(digits.size());
            result += inside ? digits[static_cast<std::size_t>(index)] : '0';
        }
        return result;
    }
};

// The value's decimal text at the given number of significant digits, correctly rounded
// from the binary value.
Decimal toDecimal(double value, int significantDigits) {
    if (!std::isfinite(value))
        throw CalcFault("non-finite value");
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::scientific, significantDigits - 1);
    if (error != std::errc())
        throw CalcFault("number cannot be written");
    const std::string scientific(buffer, end); // "-d.ddddde+XX"

    Decimal decimal;
    std::size_t position = 0;
    if (scientific[position] == '-') {
        decimal.negative = true;
        ++position;
    }
    const std::size_t exponentMark = scientific.find('e', position);
    for (std::size_t i = position; i < exponentMark; ++i)
        if (scientific[i] != '.')
            decimal.digits += scientific[i];
    decimal.pointPos = std::stoi(scientific.substr(exponentMark + 1)) + 1;
    decimal.stripTrailingZeros();
    if (decimal.isZero())
        decimal.negative = false; // -0 is shown as 0
    return decimal;
}

enum class Tie { AwayFromZero, ToEven };

// Rounds the decimal text (not the binary value) to `decimals` places after the point.
void roundDecimal(Decimal& decimal, int decimals, Tie tie) {
    const int kept = decimal.pointPos + decimals; // significant digits that stay
    const int length = static_cast<int>(decimal.digits.size());
    if (kept >= length)
        return;
    if (kept < 0) { // even the first digit lies below half a unit of the last place
        decimal.digits.clear();
        decimal.pointPos = 0;
        return;
    }
    const std::size_t cut = static_cast<std::size_t>(kept);
    const char roundingDigit = decimal.digits[cut];
    bool up = roundingDigit >= '5';
    if (tie == Tie::ToEven && roundingDigit == '5') {
        // Digits never end in '0', so anything after the 5 makes it more than half.
        const bool exactHalf = cut + 1 == decimal.digits.size();
        const bool lastKeptOdd = cut > 0 && (decimal.digits[cut - 1] - '0') % 2 == 1;
        up = !exactHalf || lastKeptOdd;
    }
    decimal.digits.resize(cut);
    if (up) {
        int index = kept - 1;
        while (index >= 0 && decimal.digits[static_cast<std::size_t>(index)] == '9') {
            decimal.digits[static_cast<std::size_t>(index)] = '0';
            --index;
        }
        if (index >= 0) {
            ++decimal.digits[static_cast<std::size_t>(index)];
        } else { // carried past the first digit: 0.999 -> 1.000
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.pointPos;
        }
    }
    decimal.stripTrailingZeros();
}

double toDouble(const Decimal& decimal) {
    if (decimal.isZero())
        return 0.0;
    const std::string text =
        decimal.digits + 'e' + std::to_string(decimal.pointPos - static_cast<int>(decimal.digits.size()));
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        throw CalcFault("number out of range");
    return decimal.negative ? -magnitude : magnitude;
}

// Shortest text: fixed notation for exponents from -4 up to one below the digit count,
// otherwise "d.dddE+XX" with at least two exponent digits.
QString shortestText(double value, int significantDigits) {
    const Decimal decimal = toDecimal(value, significantDigits);
    if (decimal.isZero())
        return QStringLiteral("0");
    std::string result = decimal.negative ? "-" : "";
    const int exponent = decimal.pointPos - 1;
    if (exponent >= significantDigits || exponent < -4) {
        result += decimal.digits.front();
        if (decimal.digits.size() > 1)
            result += '.' + decimal.digits.substr(1);
        std::string exponentDigits = std::to_string(exponent < 0 ? -exponent : exponent);
        if (exponentDigits.size() < 2)
            exponentDigits.insert(0, 1, '0');
        result += (exponent < 0 ? "E-" : "E+") + exponentDigits;
    } else {
        const std::string integer = decimal.integerDigits();
        result += integer.empty() ? "0" : integer;
        const int fractionLength = static_cast<int>(decimal.digits.size()) - decimal.pointPos;
        if (fractionLength > 0)
            result += '.' + decimal.fractionDigits(fractionLength);
    }
    return QString::fromLatin1(result);
}

// A format pattern: integer placeholders, an optional point, fraction placeholders and an
// optional trailing '%'. '0' always shows a digit, '#' only a significant one.
struct Pattern {
    int minIntegerDigits = 0;
    bool hasPoint = false;
    int fractionPlaces = 0;
    int minFractionDigits = 0;
    bool percent = false;
};

Pattern parsePattern(QStringView text) {
    Pattern pattern;
    int placeholders = 0;
    qsizetype index = 0;
    for (; index < text.size() && (text[index] == u'0' || text[index] == u'#'); ++index) {
        ++placeholders;
        if (text[index] == u'0')
            ++pattern.minIntegerDigits;
    }
    if (index < text.size() && text[index] == u'.') {
        pattern.hasPoint = true;
        for (++index; index < text.size() && (text[index] == u'0' || text[index] == u'#'); ++index) {
            ++placeholders;
            ++pattern.fractionPlaces;
            if (text[index] == u'0')
                pattern.minFractionDigits = pattern.fractionPlaces;
        }
    }
    if (index < text.size() && text[index] == u'%') {
        pattern.percent = true;
        ++index;
    }
    if (index != text.size() || placeholders == 0)
        throw std::invalid_argument("unsupported format pattern: " + text.toString().toStdString());
    return pattern;
}

QString formatted(double value, int significantDigits, QStringView patternText) {
    if (patternText.isEmpty())
        return shortestText(value, significantDigits);
    const Pattern pattern = parsePattern(patternText);
    Decimal decimal = toDecimal(value, significantDigits);
    if (pattern.percent && !decimal.isZero())
        decimal.pointPos += 2;
    roundDecimal(decimal, pattern.fractionPlaces, Tie::AwayFromZero);

    // The sign follows the value before rounding, so -0.04 with "0.0" shows "-0.0" as the
    // old program did; a negative zero shows no sign.
    std::string result = value < 0.0 ? "-" : "";
    std::string integer = decimal.integerDigits();
    if (static_cast<int>(integer.size()) < pattern.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - integer.size(), '0');
    result += integer;
    if (pattern.hasPoint) {
        std::string fraction = decimal.fractionDigits(pattern.fractionPlaces);
        while (static_cast<int>(fraction.size()) > pattern.minFractionDigits && fraction.back() == '0')
            fraction.pop_back();
        result += '.' + fraction; // the point stays even without fraction digits: "3."
    }
    if (pattern.percent)
        result += '%';
    return QString::fromLatin1(result);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Whether a well-formed unsigned decimal text (mantissa with optional exponent) lies below
// one in magnitude; only consulted when the value is out of the double range, so the
// rough order of magnitude is enough.
bool belowOne(const std::string& text) {
    const std::size_t exponentMark = text.find('e');
    const std::string mantissa = text.substr(0, exponentMark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return true; // zero
    long long order = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                               : -static_cast<long long>(firstSignificant - point);
    if (exponentMark != std::string::npos) {
        long long exponent = 0;
        const std::string exponentText = text.substr(exponentMark + 1);
        const bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
        for (const char c : exponentText)
            if (c >= '0' && c <= '9')
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        order += negativeExponent ? -exponent : exponent;
    }
    return order < 0;
}

// Converts an unsigned decimal text already checked to be well formed. A value too small
// for a double reads as zero; one too large is no usable number.
std::optional<double> parseMagnitude(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return belowOne(text) ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

double lenient(QStringView text) {
    qsizetype index = 0;
    while (index < text.size() && isBlank(text[index]))
        ++index;
    bool negative = false;
    if (index < text.size() && (text[index] == u'-' || text[index] == u'+')) {
        negative = text[index] == u'-';
        ++index;
    }
    std::string number;
    bool seenDigit = false;
    bool seenPoint = false;
    for (; index < text.size(); ++index) {
        const QChar c = text[index];
        if (isDigit(c)) {
            seenDigit = true;
            number += static_cast<char>(c.unicode());
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    const std::optional<double> magnitude = parseMagnitude(number);
    if (!magnitude)
        throw CalcFault("number too large"); // the old runtime raised an overflow here
    if (*magnitude == 0.0)
        return 0.0; // "-0" reads as plain 0
    return negative ? -*magnitude : *magnitude;
}

std::optional<double> strict(QStringView text) {
    const QStringView trimmed = text.trimmed();
    qsizetype index = 0;
    bool negative = false;
    if (index < trimmed.size() && (trimmed[index] == u'-' || trimmed[index] == u'+')) {
        negative = trimmed[index] == u'-';
        ++index;
    }
    std::string number;
    bool mantissaDigit = false;
    for (; index < trimmed.size() && isDigit(trimmed[index]); ++index, mantissaDigit = true)
        number += static_cast<char>(trimmed[index].unicode());
    if (index < trimmed.size() && trimmed[index] == u'.') {
        number += '.';
        for (++index; index < trimmed.size() && isDigit(trimmed[index]); ++index, mantissaDigit = true)
            number += static_cast<char>(trimmed[index].unicode());
    }
    if (!mantissaDigit)
        return std::nullopt;
    if (index < trimmed.size() && (trimmed[index] == u'e' || trimmed[index] == u'E')) {
        number += 'e';
        ++index;
        if (index < trimmed.size() && (trimmed[index] == u'-' || trimmed[index] == u'+'))
            number += static_cast<char>(trimmed[index++].unicode());
        bool exponentDigit = false;
        for (; index < trimmed.size() && isDigit(trimmed[index]); ++index, exponentDigit = true)
            number += static_cast<char>(trimmed[index].unicode());
        if (!exponentDigit)
            return std::nullopt;
    }
    if (index != trimmed.size())
        return std::nullopt;
    const std::optional<double> magnitude = parseMagnitude(number);
    if (!magnitude)
        return std::nullopt;
    if (*magnitude == 0.0)
        return 0.0;
    return negative ? -*magnitude : *magnitude;
}

double strictOrFault(QStringView text) {
    const std::optional<double> value = strict(text);
    if (!value)
        throw CalcFault("not a number");
    return *value;
}

QString text(double value) {
    return shortestText(value, kDoubleDigits);
}

QString textSingle(float value) {
    return shortestText(static_cast<double>(value), kSingleDigits);
}

QString format(double value, QStringView pattern) {
    return formatted(value, kDoubleDigits, pattern);
}

QString formatSingle(float value, QStringView pattern) {
    if (pattern.isEmpty())
        return textSingle(value);
    return formatted(static_cast<double>(value), kDoubleDigits, pattern);
}

double roundHalfEven(double value, int decimals) {
    Decimal decimal = toDecimal(value, kDoubleDigits);
    roundDecimal(decimal, decimals, Tie::ToEven);
    return toDouble(decimal); // a result of zero carries no sign
}

double fixed4(double value) {
    return roundHalfEven(value, 4);
}

} // namespace num
