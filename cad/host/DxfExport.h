#pragma once
// Writes the drawing as an ASCII DXF (R2000, millimetres): splines with their control
// points, knots and fit points, lines, circles and arcs with their extrusion, regions as solid
// hatches, the user coordinate systems and the view direction. Coordinates are written with
// 17 significant digits, so every number reads back as the very double that was drawn.

#include "cad/host/DrawingModel.h"

#include <QString>

namespace host {

// Writes to a temporary file beside the target and renames it; returns the error text, or
// an empty text on success.
QString saveDxf(const DrawingModel& model, const QString& path);

// The DXF object coordinate system of a normal (the arbitrary-axis algorithm): its x and y axes.
void ocsAxes(const Vec3& normal, Vec3& ax, Vec3& ay);

} // namespace host
