#pragma once
// The 3D wireframe of the drawing: an orthographic view along the view direction, +z up,
// painted with QPainter (no OpenGL, so it also works offscreen). Left drag orbits, the wheel
// zooms at the cursor, middle drag pans.

#include "cad/host/DrawingModel.h"

#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace host {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(DrawingModel& model, QWidget* parent = nullptr);

    // Looks along −direction (the direction points from the drawing to the viewer).
    void setDirection(Vec3 direction);
    Vec3 direction() const { return direction_; }
    // Fits the whole drawing into the window.
    void showAll();
    // Rebuilds the polylines now (the model's changes are otherwise gathered until the calls
    // pause).
    void refresh();

    QPointF project(const Vec3& p) const;
    double scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    struct Shape {
        std::vector<Vec3> points;
        bool filled = false;
        bool closed = false;
    };
    void rebuild();
    void basis(Vec3& right, Vec3& up) const;

    DrawingModel& model_;
    std::vector<Shape> shapes_;
    QTimer pause_;
    Vec3 direction_{0, 0, 1};
    double scale_ = 4; // pixels per drawing unit
    QPointF pan_;      // screen offset of the world origin from the centre
    QPointF lastMouse_;
};

} // namespace host
