#include "calc/normal/ConicalLoadSketch.h"

#include "common/ui/FormBuilder.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

// Geometry in logical pixels.
constexpr QPoint kOrigin(64, 136);
constexpr QPoint kContact(148, 98); // first coil touches
constexpr QPoint kSolid(222, 26);   // all coils touch
constexpr int kWidth = 290;
constexpr int kHeight = 170;

QLabel* place(QWidget* parent, const char* name, const char* text, QRect geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    QLabel* label = ui::makeLiteral(parent, QString::fromLatin1(name), QString::fromLatin1(text));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

} // namespace

ConicalLoadSketch::ConicalLoadSketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LoadDeflectionSketch"));
    setFixedSize(kWidth, kHeight);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // Loads beside the load axis, heights below the deflection axis.
    place(this, "Label24", "Fz", QRect(0, kContact.y() - 9, 44, 18), right);
    place(this, "SketchUnitFz", "N", QRect(46, kContact.y() - 9, 14, 18));
    place(this, "Label28", "Fb", QRect(0, kSolid.y() - 9, 44, 18), right);
    place(this, "SketchUnitFb", "N", QRect(46, kSolid.y() - 9, 14, 18));
    place(this, "Label40", "lz", QRect(kContact.x() - 34, kOrigin.y() + 6, 40, 18), right);
    place(this, "SketchUnitLz", "mm", QRect(kContact.x() + 7, kOrigin.y() + 6, 24, 18));
    place(this, "Label14", "lb", QRect(kSolid.x() - 34, kOrigin.y() + 6, 40, 18), right);
    place(this, "SketchUnitLb", "mm", QRect(kSolid.x() + 7, kOrigin.y() + 6, 24, 18));
    place(this, "SketchAxisLoad", "N", QRect(kOrigin.x() - 28, 0, 18, 16), right);
    place(this, "SketchAxisDeflection", "mm", QRect(kWidth - 26, kOrigin.y() - 20, 26, 16));
}

void ConicalLoadSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);

    // Axes with arrow heads.
    painter.setPen(QPen(ink, 1.2));
    const QPoint loadTop(kOrigin.x(), 4);
    const QPoint deflectionEnd(kWidth - 4, kOrigin.y());
    painter.drawLine(kOrigin, loadTop);
    painter.drawLine(kOrigin, deflectionEnd);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygon({loadTop, loadTop + QPoint(-4, 9), loadTop + QPoint(4, 9)}));
    painter.drawPolygon(
        QPolygon({deflectionEnd, deflectionEnd + QPoint(-9, -4), deflectionEnd + QPoint(-9, 4)}));

    // Guide lines from the two marked points to both axes.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    for (const QPoint& p : {kContact, kSolid}) {
        painter.drawLine(p, QPoint(kOrigin.x(), p.y()));
        painter.drawLine(p, QPoint(p.x(), kOrigin.y()));
    }

    // Straight while no coil touches, steeper once they do.
    painter.setPen(QPen(QColor(0, 0, 255), 2));
    QPainterPath curve(kOrigin);
    curve.lineTo(kContact);
    curve.quadTo(QPoint(kSolid.x() - 28, kContact.y() - 30), kSolid);
    painter.drawPath(curve);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    for (const QPoint& p : {kContact, kSolid})
        painter.drawEllipse(p, 3, 3);
}
