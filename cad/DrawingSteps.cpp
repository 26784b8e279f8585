#include "cad/DrawingSteps.h"

#include "cad/SpringGeometry.h"
#include "common/CheckedMath.h"

namespace cad {

double sectionRadius(double wireDiameter) {
    return num::finite(wireDiameter / 2 - 0.02);
}

void sectionUcs(CadHost& host, Point3 origin, Point3 xAxisPoint, Point3 yAxisPoint) {
    const EntityId ucs = host.addUcs(origin, xAxisPoint, yAxisPoint, QStringLiteral("test"));
    host.setActiveUcs(ucs);
}

void wireSectionUpright(CadHost& host, Point3 centre, double rs) {
    const EntityId circle = host.addCircle(centre, rs);
    host.addRegion({circle});
}

void wireSectionTurned(CadHost& host, double rs, double ys) {
    // The circle must start flat in the world's xy plane, whatever system an earlier spring
    // left active, for the turn to stand it across the wire. That system is active again
    // afterwards.
    const EntityId previous = CadHost::knownActiveUcs();
    host.setActiveUcs(0);
    const EntityId circle = host.addCircle({0, 0, 0}, rs);
    host.rotate3D(circle, {0, -5, 0}, {0, 5, 0}, -kPi / 2);
    host.setCenter(circle, {0, ys, 0});
    host.update(circle);
    host.addRegion({circle});
    host.release(circle);
    if (previous == 0)
        return;
    try {
        host.setActiveUcs(previous);
    } catch (const HostError&) {
        // The system is gone with the drawing it belonged to (cleared, or a host started
        // anew): the world's stays active, as in a new drawing. A lost connection shows at
        // the next call.
    }
}

void finishView(CadHost& host, Point3 direction) {
    host.setViewDirection(direction);
    host.applyViewport();
    host.zoomExtents();
}

} // namespace cad
