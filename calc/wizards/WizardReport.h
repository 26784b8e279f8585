#pragma once
// The running report of a design wizard. Every line is a label, a value text and a unit,
// ended by CR LF; labels and section heads come from the string table, so the report is in
// the user's language, and texts that hold line breaks of their own keep them.

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "platform/TextReport.h"

#include <QDateTime>
#include <functional>

#include <QString>

namespace wizardreport {

inline const QString kCrLf = QStringLiteral("\r\n");

// The report of step 1: the title, two empty lines, the head of section one, one empty line.
inline QString start(int titleId, int headId) {
    return StringTable::text(titleId) + kCrLf + kCrLf + kCrLf + StringTable::text(headId) + kCrLf + kCrLf;
}

// A later step's report: the report before it, two line breaks, the section head, two line
// breaks.
inline QString section(const QString& before, int headId) {
    return before + kCrLf + kCrLf + StringTable::text(headId) + kCrLf + kCrLf;
}

// Label text, value, unit, CR LF.
inline QString line(int labelId, const QString& value, const QString& unit = {}) {
    return StringTable::text(labelId) + value + unit + kCrLf;
}

// A stored single-precision value as a report line shows it: its shortest text, or with a
// fixed pattern such as "0.00".
inline QString single(float value) {
    return num::textSingle(value);
}
inline QString fixed(float value, const char* pattern) {
    return num::formatSingle(value, QString::fromLatin1(pattern));
}

// The clock of the report footer; tests set a fixed one, an empty function restores the real.
inline std::function<QDateTime()>& footerClock() {
    static std::function<QDateTime()> clock;
    return clock;
}

// The footer: text 2273 immediately followed by the date and time, CR LF.
inline QString footer() {
    const QDateTime now = footerClock() ? footerClock()() : QDateTime::currentDateTime();
    return StringTable::text(2273) + report::footerTime(now) + kCrLf;
}

} // namespace wizardreport
