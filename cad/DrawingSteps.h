#pragma once
// Steps that several spring drawings share: the wire's cross-section, the user coordinate
// system "test" and the closing view. Each is a short fixed sequence of host calls.

#include "cad/CadHost.h"

namespace cad {

// Section radius: 0.02 less than the wire's radius, so the section sits inside the wire.
double sectionRadius(double wireDiameter);

// Adds the user coordinate system "test" through the three points and makes it active.
void sectionUcs(CadHost& host, Point3 origin, Point3 xAxisPoint, Point3 yAxisPoint);

// The section circle at its place, made into a region (drawn while "test" is active).
void wireSectionUpright(CadHost& host, Point3 centre, double rs);

// The section circle made flat at the origin in world coordinates, stood upright into the
// plane x = 0 and moved to (0, ys, 0), where the helix starts; then made into a region. The
// system active before is active again after.
void wireSectionTurned(CadHost& host, double rs, double ys);

// Sets the view direction, applies it and brings the whole drawing into view.
void finishView(CadHost& host, Point3 direction);

} // namespace cad
