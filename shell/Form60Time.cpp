#include "shell/Form60Time.h"

#include "common/StringTable.h"

#include <QLocale>

namespace shutdowntime {

namespace {

struct Formats {
    QLocale locale;
    QString time;
    QString date;
};

Formats formats() {
    switch (StringTable::language()) {
    case Language::ZhTW:
        return {QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan),
                QStringLiteral("AP hh:mm:ss"), QStringLiteral("yyyy/M/d")};
    case Language::EnUS:
        return {QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("h:mm:ss AP"),
                QStringLiteral("M/d/yyyy")};
    case Language::ZhCN:
        break;
    }
    return {QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("H:mm:ss"), QStringLiteral("yyyy/M/d")};
}

} // namespace

QString timeText(const QTime& time) {
    const Formats f = formats();
    return f.locale.toString(time, f.time);
}

QString dateText(const QDate& date) {
    const Formats f = formats();
    return f.locale.toString(date, f.date);
}

std::optional<QTime> parse(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return std::nullopt;
    const Formats f = formats();
    const QString accepted[] = {f.time,
                                QStringLiteral("H:mm:ss"),
                                QStringLiteral("H:mm"),
                                QStringLiteral("h:mm:ss AP"),
                                QStringLiteral("h:mm AP"),
                                QStringLiteral("AP h:mm:ss"),
                                QStringLiteral("AP h:mm")};
    // AM/PM in the program's language or in English.
    for (const QLocale& locale : {f.locale, QLocale::c()}) {
        for (const QString& format : accepted) {
            const QTime time = locale.toTime(typed, format);
            if (time.isValid())
                return time;
        }
    }
    return std::nullopt;
}

QDateTime nextOccurrence(const QTime& time, const QDateTime& now) {
    QDateTime at(now.date(), time);
    if (at <= now)
        at = QDateTime(now.date().addDays(1), time);
    return at;
}

} // namespace shutdowntime
