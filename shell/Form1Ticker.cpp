#include "shell/Form1Ticker.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"

#include <QRegularExpression>

namespace form1 {

int nextMarqueeLeft(int left, int windowWidthTwips) {
    return left < marqueeLimit ? windowWidthTwips : left - marqueeStep;
}

int scrollerSpaceCount(double panelWidthTwips, double spaceWidthTwips) {
    return static_cast<int>(num::roundHalfEven(num::div(panelWidthTwips, spaceWidthTwips), 0));
}

QString StatusScroll::tick(const QString& panelText, double panelWidthTwips, double spaceWidthTwips) {
    QString text = panelText;
    if (buffer_.isEmpty()) {
        const int spaces = scrollerSpaceCount(panelWidthTwips, spaceWidthTwips);
        buffer_ = QString(qMax(spaces, 0), u' ') + panelText;
        text = buffer_;
    }
    if (!text.isEmpty())
        text.remove(0, 1);
    else
        text = buffer_;
    return text;
}

QString clockText(const QTime& time, const QLocale& locale) {
    // The long format carries the seconds; its zone name ("t", "tttt") has no place in a clock.
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(zone);
    if (format.isEmpty())
        format = QStringLiteral("HH:mm:ss");
    return locale.toString(time, format);
}

} // namespace form1
