#include "cad/host/DxfExport.h"

#include "cad/host/SplineFit.h"

#include "common/FileReplace.h"
#include "common/FileWrite.h"
#include "common/StringTable.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <dxflib/dl_dxf.h>
#include <map>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace host {

namespace {

constexpr double kDegrees = 180 / M_PI;

// The text of printf's "%.17g", made several times faster: the numbers are most of a large file.
void real(DL_WriterA& dw, int code, double v) {
    char text[40];
    const auto end =
        std::to_chars(text, text + sizeof text - 1, v == 0 ? 0.0 : v, std::chars_format::general, 17);
    *end.ptr = '\0';
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
    o.az = normal.direction();
    ocsAxes(o.az, o.ax, o.ay);
    return o;
}

const DL_Attributes kLayer0("0", 256, -1, "BYLAYER", 1.0);

// dxflib gives the model space's block record this handle.
constexpr int kModelSpaceRecord = 0x1F;

// The group codes every entity starts with: type, handle, owner (the model space), layer and
// the by-layer properties, each in the subclass a reader expects them in.
void entityStart(DL_WriterA& dw, const char* type) {
    dw.entity(type);
    dw.dxfHex(330, kModelSpaceRecord);
    dw.subClass("AcDbEntity");
    dw.entityAttributes(kLayer0);
}

void writeSpline(DL_WriterA& dw, const Spline& s, const BSpline& b) {
    entityStart(dw, "SPLINE");
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
    entityStart(dw, "POINT");
    dw.subClass("AcDbPoint");
    point(dw, 10, p);
}

void extrusion(DL_WriterA& dw, const Vec3& normal) {
    point(dw, 210, normal.direction());
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
                entityStart(dw, "LINE");
                dw.subClass("AcDbLine");
                point(dw, 10, e.start);
                point(dw, 11, e.end);
            } else if constexpr (std::is_same_v<T, Circle>) {
                const Ocs o = ocs(e.normal);
                entityStart(dw, "CIRCLE");
                dw.subClass("AcDbCircle");
                point(dw, 10, o.of(e.centre));
                real(dw, 40, e.radius);
                extrusion(dw, e.normal);
            } else if constexpr (std::is_same_v<T, Arc>) {
                const Ocs o = ocs(e.normal);
                entityStart(dw, "ARC");
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
                entityStart(dw, "HATCH");
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

// dxflib's writer with the owner (group 330) that R2000 gives each object: the dictionary
// that lists it (group 350), or none for the root dictionary. Every dictionary comes before
// the objects it lists.
class ObjectOwnerWriter : public DL_WriterA {
public:
    explicit ObjectOwnerWriter(const char* file) : DL_WriterA(file, DL_Codes::AC1015) {}

    void objectsStart() { inObjects_ = true; }

    void dxfHex(int code, int value) const override {
        char text[12];
        std::snprintf(text, sizeof text, "%X", unsigned(value));
        dxfString(code, text);
    }
    void dxfString(int code, const std::string& value) const override { dxfString(code, value.c_str()); }
    void dxfString(int code, const char* value) const override {
        DL_WriterA::dxfString(code, value);
        if (!inObjects_)
            return;
        if (code == 5) {
            current_ = value;
            const auto owner = owners_.find(current_);
            DL_WriterA::dxfString(330, owner == owners_.end() ? "0" : owner->second.c_str());
        } else if (code == 350) {
            owners_[value] = current_;
        }
    }

private:
    bool inObjects_ = false;
    mutable std::string current_;
    mutable std::map<std::string, std::string> owners_;
};

void writeHeader(DL_WriterA& dw, unsigned long handleSeed) {
    dw.sectionHeader();
    dw.dxfString(9, "$ACADVER");
    dw.dxfString(1, "AC1015");
    dw.dxfString(9, "$HANDSEED");
    dw.dxfHex(5, int(handleSeed));
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);
    dw.sectionEnd();
}

void writeTables(DL_Dxf& dxf, DL_WriterA& dw, const DrawingModel& model) {
    dw.sectionTables();
    writeViewport(dw, model.viewDirection());
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    writeUcsTable(dw, model.ucsTable());
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
}

void writeDrawing(ObjectOwnerWriter& dw, const DrawingModel& model) {
    DL_Dxf dxf;
    // Handles count up from 0x30: the table records, one per entity, a few objects.
    writeHeader(dw, 0x30 + 0x100 + model.ucsTable().size() + model.order().size());
    writeTables(dxf, dw, model);

    dw.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    for (Id id : model.order())
        writeEntity(dw, model.entity(id));
    dw.sectionEnd();
    dw.objectsStart();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
}

} // namespace

void ocsAxes(const Vec3& normal, Vec3& ax, Vec3& ay) {
    const Vec3 n = normal.direction();
    constexpr double limit = 1.0 / 64;
    if (std::fabs(n.x) < limit && std::fabs(n.y) < limit)
        ax = Vec3{0, 1, 0}.cross(n).unit();
    else
        ax = Vec3{0, 0, 1}.cross(n).unit();
    ay = n.cross(ax).unit();
}

QByteArray dxfText(const DrawingModel& model, int* error) {
    // dxflib writes only to a named file and keeps the state of its stream to itself: it
    // writes into an anonymous file in memory, and the text counts as whole only when its
    // last record came through.
    const int fd = ::memfd_create("drawing.dxf", MFD_CLOEXEC);
    if (fd < 0)
        return {};
    QFile memory;
    memory.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    {
        const std::string name = "/proc/self/fd/" + std::to_string(fd);
        ObjectOwnerWriter dw(name.c_str());
        if (dw.openFailed())
            return {};
        writeDrawing(dw, model);
        dw.close();
    }
    QByteArray text = memory.readAll();
    if (!text.endsWith("  0\nEOF\n")) {
        // The stream keeps the reason it stopped to itself; one more byte at the end gets it
        // from the system again.
        if (error && ::pwrite(fd, "\n", 1, text.size()) < 0)
            *error = errno;
        return {};
    }
    return text;
}

QString saveDxf(const DrawingModel& model, const QString& path, ReadOnlyTarget readOnly) {
    const auto failed = [&](const QString& reason) {
        return StringTable::pick("不能写入 %1：%2", "無法寫入 %1：%2", "Cannot write %1: %2")
            .arg(path, reason);
    };
    if (readOnly == ReadOnlyTarget::Refuse && QFileInfo::exists(path) && isReadOnly(QFileInfo(path)))
        return failed(StringTable::pick("文件是只读的", "檔案是唯讀的", "the file is read-only"));
    int stopped = 0;
    const QByteArray text = dxfText(model, &stopped);
    if (text.isEmpty())
        return failed(stopped ? filewrite::reason(stopped)
                              : StringTable::pick("图形未能完整写出", "圖形未能完整寫出",
                                                  "the drawing could not be written in full"));
    const QString reason = replaceFile(path, text);
    return reason.isEmpty() ? QString() : failed(reason);
}

} // namespace host
