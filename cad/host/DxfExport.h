#pragma once
// Writes the drawing as an ASCII DXF (R2000, millimetres): splines with their control
// points, knots and fit points, lines, circles and arcs with their extrusion, regions as solid
// hatches, the user coordinate systems and the view direction. Coordinates are written with
// 17 significant digits, so every number reads back as the very double that was drawn.

#include "cad/host/DrawingModel.h"

#include <QByteArray>
#include <QString>

namespace host {

enum class ReadOnlyTarget { Refuse, Replace };

// The drawing's DXF text; empty when it could not be made in full, with the system's error in
// *error where it gave one (a file-size limit, memory short).
QByteArray dxfText(const DrawingModel& model, int* error = nullptr);

// Replaces the file in one step (see replaceFile): a failure at any step keeps the old file.
// Returns the error text for the user, or an empty text on success. A read-only target is
// refused unless the user agreed to replace it.
QString saveDxf(const DrawingModel& model, const QString& path,
                ReadOnlyTarget readOnly = ReadOnlyTarget::Refuse);

// The DXF object coordinate system of a normal (the arbitrary-axis algorithm): its x and y axes.
void ocsAxes(const Vec3& normal, Vec3& ax, Vec3& ay);

} // namespace host
