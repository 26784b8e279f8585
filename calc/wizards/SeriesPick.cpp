#include "calc/wizards/SeriesPick.h"

#include "common/Numbers.h"

#include <QComboBox>

namespace series {

const QStringList& standardWireDiameters() {
    static const QStringList list =
        QStringLiteral("0.08 0.09 0.10 0.12 0.14 0.16 0.18 0.20 0.22 0.25 0.28 0.30 0.32 0.35 0.40 0.45 "
                       "0.50 0.55 0.60 0.65 0.70 0.80 0.90 1.0 1.2 1.4 1.6 1.8 2.0 2.2 2.5 2.8 3.0 3.2 "
                       "3.5 4.0 4.5 5.0 5.5 6.0 6.5 7.0 8.0 9.0 10.0 11.0 12.0 13.0")
            .split(u' ');
    return list;
}

const QStringList& torsionWireDiameters() {
    static const QStringList list =
        QStringLiteral("0.08 0.09 0.10 0.12 0.14 0.16 0.18 0.20 0.23 0.25 0.26 0.29 0.30 0.32 0.35 0.40 "
                       "0.45 0.50 0.55 0.60 0.65 0.70 0.80 0.90 1.0 1.1 1.2 1.4 1.6 1.8 2.0 2.2 2.3 2.5 "
                       "2.6 2.8 3.0 3.2 3.5 4.0 4.5 5.0 5.5 6.0 6.5 7.0 8.0 9.0 10.0 11.0 12.0 13.0")
            .split(u' ');
    return list;
}

const QStringList& activeCoilSeries() {
    static const QStringList list =
        QStringLiteral("2.00 2.25 2.50 2.75 3.00 3.25 3.50 3.75 4.00 4.25 4.50 5.00 5.50 6.0 6.5 7.0 7.5 "
                       "8.0 8.5 9.0 9.5 10.0 10.5 11.5 12.5 13.5 14.5 15 16 18 20 22 25 28 30")
            .split(u' ');
    return list;
}

std::optional<int> nearestIndex(const QStringList& entries, double v) {
    for (int i = 0; i < entries.size(); ++i)
        if (num::strict(entries[i]).value_or(0.0) >= v)
            return i;
    return std::nullopt;
}

void pickNearest(QComboBox* combo, const QString& valueText) {
    const std::optional<double> v = num::strict(valueText);
    if (!v)
        return;
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    if (const std::optional<int> index = nearestIndex(entries, *v))
        combo->setCurrentIndex(*index);
}

} // namespace series
