#include "shell/CommandHotSpot.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

CommandHotSpot::CommandHotSpot(const QString& name, const QRect& geometry, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(pointer());
}

QCursor CommandHotSpot::pointer() {
    static const QCursor cursor = [] {
        const QPixmap hand(QStringLiteral(":/pictures/shell/hotspot-pointer.svg"));
        if (hand.isNull())
            return QCursor(Qt::PointingHandCursor);
        // The tip of the index finger is the hot point.
        return QCursor(hand.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation), 10, 2);
    }();
    return cursor;
}

void CommandHotSpot::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CommandHotSpot::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click =
        leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        emit clicked();
}
