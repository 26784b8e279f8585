#pragma once
// Times of day as the timed shutdown shows and reads them, in the formats a desktop of the
// program's language shows: "22:05:09" (Simplified Chinese), "下午 10:05:09" (Traditional
// Chinese), "10:05:09 PM" (English).

#include <QDateTime>
#include <QString>
#include <optional>

namespace shutdowntime {

QString timeText(const QTime& time);
QString dateText(const QDate& date);

// Reads a typed time of day: the shown format, and hours with minutes and optional seconds,
// in 24-hour or AM/PM form. Surrounding blanks are ignored; anything else is no time.
std::optional<QTime> parse(const QString& text);

// The first moment after now whose time of day is the given one: today if it is still to
// come, else tomorrow.
QDateTime nextOccurrence(const QTime& time, const QDateTime& now);

} // namespace shutdowntime
