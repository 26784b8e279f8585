#pragma once
// Money as the quotation windows hold it: a count of ten-thousandths of a yuan in 64 bits.
//
// Every figure is rounded to four decimals when it is stored, a half going to the even
// neighbour (judged on the value's decimal text, as num::fixed4 does), so 0.03125 is stored
// as 0.0312. Sums are exact. A figure outside the 64-bit range cannot be held and ends the
// calculation as an arithmetic fault (num::CalcFault).

#include <QString>
#include <QStringView>
#include <cstdint>

class Money {
public:
    Money() = default;

    // The value rounded half to even to four decimals.
    static Money fromDouble(double value);
    static Money fromCount(std::int64_t tenThousandths) { return Money(tenThousandths); }

    std::int64_t count() const { return count_; }
    double toDouble() const { return static_cast<double>(count_) / 10000.0; }

    // Exact sum.
    Money operator+(Money other) const;
    // Exact multiple by a whole number.
    Money times(std::int64_t factor) const;
    // The product of two stored figures, rounded half to even back to four decimals.
    static Money product(Money a, Money b);

    QString format(QStringView pattern) const;

    bool operator==(const Money&) const = default;

private:
    explicit Money(std::int64_t count) : count_(count) {}
    std::int64_t count_ = 0;
};
