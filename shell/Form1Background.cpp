#include "shell/Form1Background.h"

#include "common/ui/FormBuilder.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The picture covers the client area of the main window, 15360 x 12135 twips.
const QSize pictureSize(ui::twips(15360), ui::twips(12135));

} // namespace

Form1Background::Form1Background(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1Client"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form1Background::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), ratio)) {
        // Rendered once per screen resolution; every later paint is a plain copy.
        picture_ = QPixmap(pictureSize * ratio);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(QColor(0xe8, 0xee, 0xf4));
        QPainter into(&picture_);
        QSvgRenderer(pictureResource()).render(&into, QRectF(QPointF(0, 0), QSizeF(pictureSize)));
    }
    painter.fillRect(event->rect(), QColor(0xe8, 0xee, 0xf4));
    painter.drawPixmap(0, 0, picture_);
}

void Form1Background::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (childAt(at)) {
        event->ignore();
        return;
    }
    event->accept();
    emit backgroundPressed(event->button(), at);
}
