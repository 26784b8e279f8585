#include "calc/normal/LoadTestCanvas.h"

#include <QPainter>

namespace {

// Large enough for every drawing of the four tests, the base plate included.
constexpr int kWidthTwips = 2655;
constexpr int kHeightTwips = 3495;

QPointF pixels(int xTwips, int yTwips) {
    return {xTwips / 15.0, yTwips / 15.0};
}

} // namespace

LoadTestCanvas::LoadTestCanvas(const loadtest::LoadTest& test, QWidget* parent)
    : QWidget(parent), test_(test) {
    setFixedSize(sizeHint());
}

QSize LoadTestCanvas::sizeHint() const {
    return {kWidthTwips / 15, kHeightTwips / 15};
}

void LoadTestCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
    const loadtest::Drawing& drawing = test_.drawing();
    for (const loadtest::Segment& s : drawing.lines)
        painter.drawLine(pixels(s.x1, s.y1), pixels(s.x2, s.y2));
    for (const loadtest::Outline& o : drawing.shapes) {
        const QRectF box(pixels(o.left, o.top), pixels(o.left + o.width, o.top + o.height));
        if (o.kind == loadtest::Outline::Ellipse)
            painter.drawEllipse(box);
        else
            painter.drawRect(box);
    }
}
