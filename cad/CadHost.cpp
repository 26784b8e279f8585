#include "cad/CadHost.h"

namespace cad {

EntityId CadHost::idResult(const QString& call, const QCborArray& args) {
    const QCborValue result = invoke(call, args);
    if (!result.isInteger())
        throw HostError(call, QStringLiteral("the host gave no entity"));
    return result.toInteger();
}

EntityId CadHost::addSpline(const std::vector<double>& points, Point3 startTangent, Point3 endTangent) {
    return idResult(QStringLiteral("addSpline"),
                    {hostproto::doubles(points), startTangent.toCbor(), endTangent.toCbor()});
}

EntityId CadHost::addCircle(Point3 centre, double radius) {
    return idResult(QStringLiteral("addCircle"), {centre.toCbor(), radius});
}

EntityId CadHost::addRegion(const QList<EntityId>& entities) {
    QCborArray ids;
    for (EntityId id : entities)
        ids.append(id);
    // A one-element brace list of an array would copy the array instead of wrapping it.
    QCborArray args;
    args.append(ids);
    return idResult(QStringLiteral("addRegion"), args);
}

void CadHost::setViewDirection(Point3 direction) {
    QCborArray args;
    args.append(direction.toCbor());
    invoke(QStringLiteral("setViewDirection"), args);
}

EntityId CadHost::addArc(Point3 centre, double radius, double startAngle, double endAngle) {
    return idResult(QStringLiteral("addArc"), {centre.toCbor(), radius, startAngle, endAngle});
}

EntityId CadHost::addLine(Point3 start, Point3 end) {
    return idResult(QStringLiteral("addLine"), {start.toCbor(), end.toCbor()});
}

namespace {
EntityId& activeUcs() {
    static EntityId ucs = 0;
    return ucs;
}
} // namespace

EntityId CadHost::knownActiveUcs() {
    return activeUcs();
}

void CadHost::forgetActiveUcs() {
    activeUcs() = 0;
}

EntityId CadHost::addUcs(Point3 origin, Point3 xAxisPoint, Point3 yAxisPoint, const QString& name) {
    // The host makes the new system the active one.
    activeUcs() =
        idResult(QStringLiteral("addUcs"), {origin.toCbor(), xAxisPoint.toCbor(), yAxisPoint.toCbor(), name});
    return activeUcs();
}

void CadHost::setActiveUcs(EntityId ucs) {
    invoke(QStringLiteral("setActiveUcs"), {ucs});
    activeUcs() = ucs;
}

double CadHost::angleFromXAxis(Point3 from, Point3 to) {
    const QString call = QStringLiteral("angleFromXAxis");
    const QCborValue result = invoke(call, {from.toCbor(), to.toCbor()});
    if (!result.isDouble())
        throw HostError(call, QStringLiteral("the host gave no angle"));
    return result.toDouble();
}

void CadHost::move(EntityId entity, Point3 from, Point3 to) {
    invoke(QStringLiteral("move"), {entity, from.toCbor(), to.toCbor()});
}

void CadHost::rotate3D(EntityId entity, Point3 axis1, Point3 axis2, double angle) {
    invoke(QStringLiteral("rotate3D"), {entity, axis1.toCbor(), axis2.toCbor(), angle});
}

void CadHost::setCenter(EntityId circle, Point3 centre) {
    invoke(QStringLiteral("setCenter"), {circle, centre.toCbor()});
}

} // namespace cad
