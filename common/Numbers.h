#pragma once
// Reading and writing numbers the way the calculators have always shown them.
//
// Every window reads its fields and writes its results through these functions, so the
// same input gives the same text everywhere. The decimal point is "." whatever the locale
// and no thousands separators are used.
//
// Double values are shown with 15 significant digits, single-precision values (float) with 7.
// A pattern such as "0.00" rounds half away from zero on the 15-digit decimal text of the
// value; a single is first widened to double exactly, so its own binary value decides: a
// stored single 725.45 (725.450012...) shows "725.5" with "0.0", a stored 1.005 (1.00499999...)
// shows "1.00" with "0.00", and a double 14.625 shows "14.63".

#include "common/CheckedMath.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace num {

// Lenient reading: skips leading blanks, takes an optional sign, digits with at most one
// ".", and stops at the first other character. Text without a leading number reads 0:
// "12/5" -> 12, "." -> 0, "1.2.3" -> 1.2, "" -> 0. No exponent is read ("1e3" -> 1), and
// "-0" reads as plain 0. Digits beyond the double range throw CalcFault (an overflow).
double lenient(QStringView text);

// Strict reading: the whole trimmed text must be a number ("." as decimal point, optional
// sign, optional exponent); empty or anything else gives no value. A value too large for a
// double gives no value; one too small reads as 0.
std::optional<double> strict(QStringView text);

// Strict reading that throws CalcFault (see CheckedMath.h) when the text is not a number;
// used where a calculation must stop with the input-error message.
double strictOrFault(QStringView text);

// Shortest text form: 15 significant digits (double) or 7 (single), trailing zeros and a
// trailing point removed: 14.7/0.8 -> "18.375", 1.088*9.8 -> "10.6624", 20.1f -> "20.1".
// Exponents of 15 (7 for single) and above, or below -4, use the form "1E+16", "1.5E-07".
// -0 shows as "0". A value that is not finite throws CalcFault: no field ever shows "inf".
QString text(double value);
QString textSingle(float value);

// Format pattern ("0", "0.0" ... "0.00000", "0%", "0.00%", "#", "#.##", "0.0###" ...):
// half away from zero on the 15-digit decimal text (a single widened exactly first), then padded.
// '0' always shows a digit, '#' only a significant one: 0.5 with "#.##" -> ".5", 3 -> "3."
// (the point stays). "%" multiplies the decimal text by 100. Large values are written in full,
// never in E form. A negative value that rounds to zero keeps its sign, as the old program
// showed it: -0.04 with "0.0" -> "-0.0" (a negative zero shows no sign). An empty pattern gives
// the shortest text (7 digits for a single). A value that is not finite throws CalcFault; any other pattern
// text is a programming error and throws std::invalid_argument.
QString format(double value, QStringView pattern);
QString formatSingle(float value, QStringView pattern);

// Round half to even to the given number of decimals, judged on the 15-digit decimal text, not
// on the binary value (so 2.5 -> 2, 0.125 -> 0.12 with 2 decimals, 589.05 -> 589 with none,
// 1374.45 -> 1374.4 with 1, 376.992 -> 377.0 with 1). A result of
// zero carries no sign; a value that is not finite throws CalcFault.
double roundHalfEven(double value, int decimals);

// Four-decimal fixed-point value (rates, money): round half to even to 4 decimals.
double fixed4(double value);

// Round to single precision, as storing into a single-precision variable does; a value
// outside the single range (or not finite) throws CalcFault, as the store overflowed.
inline float single(double value) {
    return toSingle(value);
}

} // namespace num
