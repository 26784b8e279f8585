#pragma once
// The B-spline through a spline's fit points: degree 3 (less with fewer than four distinct
// points) by global interpolation with chord-length parameters and averaged knots. The
// system is banded, so ten thousand points solve in linear time.

#include "cad/host/Vec3.h"

#include <vector>

namespace host {

struct BSpline {
    int degree = 0;
    std::vector<double> knots;
    std::vector<Vec3> controlPoints;
    std::vector<Vec3> fitPoints; // the points interpolated (consecutive repeats dropped)
};

// Empty control points when all fit points coincide (the drawing shows a point then).
BSpline interpolate(const std::vector<Vec3>& fitPoints);

// The point at parameter u in [knots[degree], knots[end - degree]].
Vec3 evaluate(const BSpline& spline, double u);

// Points along the curve for drawing, `perSpan` per knot span.
std::vector<Vec3> tessellate(const BSpline& spline, int perSpan = 8);

} // namespace host
