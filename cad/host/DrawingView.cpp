#include "cad/host/DrawingView.h"

#include "cad/host/SplineFit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace host {

namespace {

std::vector<Vec3> circlePoints(const Vec3& centre, double radius, const Vec3& normal, double from,
                               double sweep) {
    Vec3 ax, ay;
    const Vec3 n = normal.unit();
    ax = (std::fabs(n.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0}).cross(n).unit();
    ay = n.cross(ax);
    std::vector<Vec3> out;
    const int steps = std::max(8, int(std::ceil(sweep / (2 * M_PI) * 64)));
    for (int k = 0; k <= steps; ++k) {
        const double a = from + sweep * k / steps;
        out.push_back(centre + ax * (radius * std::cos(a)) + ay * (radius * std::sin(a)));
    }
    return out;
}

// Angle of a direction within the circle's own axes (those of circlePoints).
double angleIn(const Vec3& direction, const Vec3& normal) {
    const Vec3 n = normal.unit();
    const Vec3 ax = (std::fabs(n.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0}).cross(n).unit();
    const Vec3 ay = n.cross(ax);
    return std::atan2(direction.dot(ay), direction.dot(ax));
}

} // namespace

DrawingView::DrawingView(DrawingModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("DrawingView"));
    setMinimumSize(320, 240);
    // Drawing calls come in bursts; the picture is rebuilt once they pause.
    pause_.setSingleShot(true);
    pause_.setInterval(60);
    connect(&pause_, &QTimer::timeout, this, &DrawingView::refresh);
    connect(&model_, &DrawingModel::changed, this, [this] { pause_.start(); });
}

void DrawingView::setDirection(Vec3 direction) {
    if (direction.length() == 0)
        return;
    direction_ = direction.unit();
    update();
}

void DrawingView::basis(Vec3& right, Vec3& up) const {
    const Vec3 d = direction_;
    right = Vec3{0, 0, 1}.cross(d);
    if (right.length() < 1e-9)
        right = {1, 0, 0}; // looking straight down or up: x to the right
    right = right.unit();
    up = d.cross(right).unit();
}

QPointF DrawingView::project(const Vec3& p) const {
    Vec3 right, up;
    basis(right, up);
    return QPointF(width() / 2.0 + pan_.x() + p.dot(right) * scale_,
                   height() / 2.0 + pan_.y() - p.dot(up) * scale_);
}

void DrawingView::refresh() {
    pause_.stop();
    rebuild();
    update();
}

void DrawingView::rebuild() {
    shapes_.clear();
    for (Id id : model_.order()) {
        std::visit(
            [&](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, Spline>) {
                    const BSpline b = interpolate(e.fitPoints);
                    if (b.controlPoints.empty())
                        shapes_.push_back({{e.fitPoints.front(), e.fitPoints.front()}});
                    else
                        shapes_.push_back({tessellate(b, 6)});
                } else if constexpr (std::is_same_v<T, Line>) {
                    shapes_.push_back({{e.start, e.end}});
                } else if constexpr (std::is_same_v<T, Circle>) {
                    shapes_.push_back({circlePoints(e.centre, e.radius, e.normal, 0, 2 * M_PI), false, true});
                } else if constexpr (std::is_same_v<T, Arc>) {
                    const double a0 = angleIn(e.startDirection, e.normal);
                    double sweep = angleIn(e.endDirection, e.normal) - a0;
                    while (sweep <= 0)
                        sweep += 2 * M_PI;
                    shapes_.push_back({circlePoints(e.centre, e.radius, e.normal, a0, sweep)});
                } else {
                    shapes_.push_back(
                        {circlePoints(e.circle.centre, e.circle.radius, e.circle.normal, 0, 2 * M_PI), true,
                         true});
                }
            },
            model_.entity(id));
    }
}

void DrawingView::showAll() {
    if (pause_.isActive())
        refresh();
    Vec3 right, up;
    basis(right, up);
    double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    for (const Shape& s : shapes_)
        for (const Vec3& p : s.points) {
            minX = std::min(minX, p.dot(right));
            maxX = std::max(maxX, p.dot(right));
            minY = std::min(minY, p.dot(up));
            maxY = std::max(maxY, p.dot(up));
        }
    if (!std::isfinite(minX)) {
        scale_ = 4;
        pan_ = {};
    } else {
        const double w = std::max(maxX - minX, 1e-6), h = std::max(maxY - minY, 1e-6);
        scale_ = 0.9 * std::min(width() / w, height() / h);
        pan_ = QPointF(-(minX + maxX) / 2 * scale_, (minY + maxY) / 2 * scale_);
    }
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(33, 40, 48));
    painter.setRenderHint(QPainter::Antialiasing);
    // World axes at the origin.
    const double axis = 40 / scale_;
    const std::pair<Vec3, QColor> axes[] = {{{axis, 0, 0}, QColor(220, 80, 80)},
                                            {{0, axis, 0}, QColor(80, 200, 80)},
                                            {{0, 0, axis}, QColor(90, 140, 240)}};
    for (const auto& [end, colour] : axes) {
        painter.setPen(QPen(colour, 1.5));
        painter.drawLine(project({0, 0, 0}), project(end));
    }
    for (const Shape& s : shapes_) {
        QPolygonF polygon;
        for (const Vec3& p : s.points)
            polygon << project(p);
        if (s.filled) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(120, 200, 255, 90));
            painter.drawPolygon(polygon);
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(QPen(QColor(235, 235, 235), 1));
        if (s.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
}

void DrawingView::mousePressEvent(QMouseEvent* e) {
    lastMouse_ = e->position();
}

void DrawingView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF delta = e->position() - lastMouse_;
    lastMouse_ = e->position();
    if (e->buttons() & Qt::LeftButton) {
        // Orbit: turn about world z, then tilt about the screen's horizontal axis.
        Vec3 right, up;
        basis(right, up);
        Vec3 d = turned(direction_, {0, 0, 1}, -delta.x() * 0.01);
        const Vec3 tilted = turned(
            d, right.length() > 0 ? turned(right, {0, 0, 1}, -delta.x() * 0.01) : right, -delta.y() * 0.01);
        if (std::fabs(tilted.unit().z) < 0.999)
            d = tilted;
        setDirection(d);
    } else if (e->buttons() & Qt::MiddleButton) {
        pan_ += delta;
        update();
    }
}

void DrawingView::wheelEvent(QWheelEvent* e) {
    // The point under the cursor stays under it.
    const double factor = std::pow(1.0015, e->angleDelta().y());
    const QPointF centre(width() / 2.0, height() / 2.0);
    const QPointF cursor = e->position() - centre - pan_;
    pan_ -= cursor * (factor - 1);
    scale_ *= factor;
    update();
}

} // namespace host
