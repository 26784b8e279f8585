#pragma once
// The moving parts of the main window, kept apart from the widgets so they can be checked
// tick by tick: the welcome marquee, the status-bar scroller and the clock text.

#include <QLocale>
#include <QString>
#include <QTime>

namespace form1 {

// Welcome label: starts at Left 13560 twips and moves 20 twips left per tick.
constexpr int marqueeStartLeft = 13560;
constexpr int marqueeStep = 20;
constexpr int marqueeLimit = -4300;

// The label's next Left: once it lies strictly left of -4300 it jumps to the window's
// current width, otherwise it moves one step left.
int nextMarqueeLeft(int left, int windowWidthTwips);

// Spaces that fill the panel: panel width over the width of one space, rounded to the
// nearest whole number with halves going to the even one.
int scrollerSpaceCount(double panelWidthTwips, double spaceWidthTwips);

// The status-bar scroller of panel 1. The buffer is built once, on the first tick, from the
// panel text present then: as many spaces as fill the panel, then that text. Each tick drops
// the first character; a panel that has run empty gets the whole buffer back on the next
// tick, so the panel is empty for exactly one tick per cycle.
class StatusScroll {
public:
    // One tick; returns the panel's new text. Throws num::CalcFault for a space width of 0.
    QString tick(const QString& panelText, double panelWidthTwips, double spaceWidthTwips);
    const QString& buffer() const { return buffer_; }

private:
    QString buffer_;
};

// The time of day as the desktop's locale writes it, with seconds and without a zone name.
QString clockText(const QTime& time, const QLocale& locale = QLocale::system());

} // namespace form1
