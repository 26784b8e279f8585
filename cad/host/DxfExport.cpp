#include "cad/host/DxfExport.h"

#include "cad/host/SplineFit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cmath>
#include <cstdio>
#include <dxflib/dl_dxf.h>
#include <memory>

namespace host {

namespace {

constexpr double kDegrees = 180 / M_PI;

void real(DL_WriterA& dw, int code, double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v == 0 ? 0.0 : v);
    dw.dxfString(code, text);
}

void point(DL_WriterA& dw, int code, const Vec3& p) {
    real(dw, code, p.x);
    real(dw, code + 10, p.y);
    real(dw, code + 20, p.z);
}

struct Ocs {
    Vec3 ax, ay, az;
    Vec3 of(const Vec3& p) const { return {p.dot(ax), p.dot(ay), p.dot(az)}; }
    double angle(const Vec3& direction) const {
        double a = std::atan2(direction.dot(ay), direction.dot(ax)) * kDegrees;
        return a < 0 ? a + 360 : a;
    }
};

Ocs ocs(const Vec3& normal) {
    Ocs o;
    o.az = normal.unit();
    ocsAxes(o.az, o.ax, o.ay);
    return o;
}

const DL_Attributes kLayer0("0", 256, -1, "BYLAYER", 1.0);

void writeSpline(DL_WriterA& dw, const Spline& s, const BSpline& b) {
    dw.entity("SPLINE");
    dw.entityAttributes(kLayer0);
    dw.subClass("AcDbSpline");
    dw.dxfInt(70, 8); // the curve may leave any plane: no planar flag
    dw.dxfInt(71, b.degree);
    dw.dxfInt(72, int(b.knots.size()));
    dw.dxfInt(73, int(b.controlPoints.size()));
    dw.dxfInt(74, int(b.fitPoints.size()));
    real(dw, 42, 1e-10);
    real(dw, 43, 1e-10);
    real(dw, 44, 1e-10);
    if (s.startTangent.length() > 0)
        point(dw, 12, s.startTangent);
    if (s.endTangent.length() > 0)
        point(dw, 13, s.endTangent);
    for (double k : b.knots)
        real(dw, 40, k);
    for (const Vec3& c : b.controlPoints)
        point(dw, 10, c);
    for (const Vec3& f : b.fitPoints)
        point(dw, 11, f);
}

void writePoint(DL_WriterA& dw, const Vec3& p) {
    dw.entity("POINT");
    dw.entityAttributes(kLayer0);
    dw.subClass("AcDbPoint");
    point(dw, 10, p);
}

void extrusion(DL_WriterA& dw, const Vec3& normal) {
    point(dw, 210, normal.unit());
}

void writeEntity(DL_WriterA& dw, const Entity& entity) {
    std::visit(
        [&](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Spline>) {
                // A spline whose points all coincide is a point.
                const BSpline b = interpolate(e.fitPoints);
                if (b.controlPoints.empty())
                    writePoint(dw, e.fitPoints.front());
                else
                    writeSpline(dw, e, b);
            } else if constexpr (std::is_same_v<T, Line>) {
                dw.entity("LINE");
                dw.entityAttributes(kLayer0);
                dw.subClass("AcDbLine");
                point(dw, 10, e.start);
                point(dw, 11, e.end);
            } else if constexpr (std::is_same_v<T, Circle>) {
                const Ocs o = ocs(e.normal);
                dw.entity("CIRCLE");
                dw.entityAttributes(kLayer0);
                dw.subClass("AcDbCircle");
                point(dw, 10, o.of(e.centre));
                real(dw, 40, e.radius);
                extrusion(dw, e.normal);
            } else if constexpr (std::is_same_v<T, Arc>) {
                const Ocs o = ocs(e.normal);
                dw.entity("ARC");
                dw.entityAttributes(kLayer0);
                dw.subClass("AcDbCircle");
                point(dw, 10, o.of(e.centre));
                real(dw, 40, e.radius);
                dw.subClass("AcDbArc");
                real(dw, 50, o.angle(e.startDirection));
                real(dw, 51, o.angle(e.endDirection));
                extrusion(dw, e.normal);
            } else {
                // A region: a solid hatch bounded by its circle, in the circle's plane.
                const Ocs o = ocs(e.circle.normal);
                const Vec3 c = o.of(e.circle.centre);
                dw.entity("HATCH");
                dw.entityAttributes(kLayer0);
                dw.subClass("AcDbHatch");
                point(dw, 10, {0, 0, c.z});
                extrusion(dw, e.circle.normal);
                dw.dxfString(2, "SOLID");
                dw.dxfInt(70, 1);
                dw.dxfInt(71, 0);
                dw.dxfInt(91, 1);
                dw.dxfInt(92, 1);
                dw.dxfInt(93, 1);
                dw.dxfInt(72, 2);
                real(dw, 10, c.x);
                real(dw, 20, c.y);
                real(dw, 40, e.circle.radius);
                real(dw, 50, 0);
                real(dw, 51, 360);
                dw.dxfInt(73, 1);
                dw.dxfInt(97, 0);
                dw.dxfInt(75, 0);
                dw.dxfInt(76, 1);
                dw.dxfInt(98, 0);
            }
        },
        entity);
}

void writeViewport(DL_WriterA& dw, const Vec3& direction) {
    dw.table("VPORT", 1);
    dw.dxfString(0, "VPORT");
    dw.handle();
    dw.subClass("AcDbSymbolTableRecord");
    dw.subClass("AcDbViewportTableRecord");
    dw.dxfString(2, "*ACTIVE");
    dw.dxfInt(70, 0);
    real(dw, 10, 0);
    real(dw, 20, 0);
    real(dw, 11, 1);
    real(dw, 21, 1);
    real(dw, 12, 0);
    real(dw, 22, 0);
    real(dw, 13, 0);
    real(dw, 23, 0);
    real(dw, 14, 10);
    real(dw, 24, 10);
    real(dw, 15, 10);
    real(dw, 25, 10);
    point(dw, 16, direction);
    point(dw, 17, {0, 0, 0});
    real(dw, 40, 100);
    real(dw, 41, 1.5);
    real(dw, 42, 50);
    real(dw, 43, 0);
    real(dw, 44, 0);
    real(dw, 50, 0);
    real(dw, 51, 0);
    dw.dxfInt(71, 0);
    dw.dxfInt(72, 100);
    dw.dxfInt(73, 1);
    dw.dxfInt(74, 3);
    dw.dxfInt(75, 0);
    dw.dxfInt(76, 0);
    dw.dxfInt(77, 0);
    dw.dxfInt(78, 0);
    dw.tableEnd();
}

// One record per name, the newest: a table keys its records by name.
void writeUcsTable(DL_WriterA& dw, const std::map<Id, Ucs>& table) {
    std::map<QString, const Ucs*> newest;
    for (const auto& [id, ucs] : table)
        newest[ucs.name] = &ucs;
    dw.table("UCS", int(newest.size()));
    for (const auto& [name, ucs] : newest) {
        dw.dxfString(0, "UCS");
        dw.handle();
        dw.subClass("AcDbSymbolTableRecord");
        dw.subClass("AcDbUCSTableRecord");
        dw.dxfString(2, name.toStdString());
        dw.dxfInt(70, 0);
        point(dw, 10, ucs->origin);
        point(dw, 11, ucs->xAxis);
        point(dw, 12, ucs->yAxis);
    }
    dw.tableEnd();
}

} // namespace

void ocsAxes(const Vec3& normal, Vec3& ax, Vec3& ay) {
    const Vec3 n = normal.unit();
    constexpr double limit = 1.0 / 64;
    if (std::fabs(n.x) < limit && std::fabs(n.y) < limit)
        ax = Vec3{0, 1, 0}.cross(n).unit();
    else
        ax = Vec3{0, 0, 1}.cross(n).unit();
    ay = n.cross(ax).unit();
}

QString saveDxf(const DrawingModel& model, const QString& path) {
    const QFileInfo target(path);
    QTemporaryFile temporary(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temporary.open())
        return QStringLiteral("不能写入 %1：%2").arg(path, temporary.errorString());
    temporary.close();
    const QByteArray tmpName = QFile::encodeName(temporary.fileName());

    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> dw(dxf.out(tmpName.constData(), DL_Codes::AC1015));
    if (!dw || dw->openFailed())
        return QStringLiteral("不能写入 %1").arg(path);
    dxf.writeHeader(*dw);
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, 4);
    dw->sectionEnd();

    dw->sectionTables();
    writeViewport(*dw, model.viewDirection());
    dw->tableLinetypes(3);
    dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw->tableEnd();
    dw->tableLayers(1);
    dxf.writeLayer(*dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    dw->tableEnd();
    dw->tableStyle(1);
    dxf.writeStyle(*dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw->tableEnd();
    dxf.writeView(*dw);
    writeUcsTable(*dw, model.ucsTable());
    dw->tableAppid(1);
    dxf.writeAppid(*dw, "ACAD");
    dw->tableEnd();
    dxf.writeDimStyle(*dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(*dw);
    dw->tableEnd();
    dw->sectionEnd();

    dw->sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(*dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, block);
    }
    dw->sectionEnd();

    dw->sectionEntities();
    for (Id id : model.order())
        writeEntity(*dw, model.entity(id));
    dw->sectionEnd();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    dw->close();
    dw.reset();

    if (QFileInfo(temporary.fileName()).size() == 0)
        return QStringLiteral("不能写入 %1").arg(path);
    // rename() replaces the target in one step: a reader sees the old file or the new one.
    if (std::rename(tmpName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return QStringLiteral("不能写入 %1").arg(path);
    temporary.setAutoRemove(false);
    return {};
}

} // namespace host
