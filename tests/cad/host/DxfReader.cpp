#include "DxfReader.h"

#include "cad/host/DxfExport.h"

#include <QFile>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

namespace {

using host::Vec3;

class Reader : public DL_CreationAdapter {
public:
    DxfContents& out;
    explicit Reader(DxfContents& c) : out(c) {}

    Vec3 extrusion() {
        const double* d = getExtrusion()->getDirection();
        return {d[0], d[1], d[2]};
    }
    void addPoint(const DL_PointData& p) override {
        ++out.counts["POINT"];
        out.points.push_back({p.x, p.y, p.z});
    }
    void addLine(const DL_LineData&) override { ++out.counts["LINE"]; }
    void addCircle(const DL_CircleData& c) override {
        ++out.counts["CIRCLE"];
        out.circles.push_back({{c.cx, c.cy, c.cz}, c.radius, extrusion()});
    }
    void addArc(const DL_ArcData& a) override {
        ++out.counts["ARC"];
        out.arcs.push_back({{a.cx, a.cy, a.cz}, a.radius, a.angle1, a.angle2, extrusion()});
    }
    void addSpline(const DL_SplineData& s) override {
        ++out.counts["SPLINE"];
        out.splines.push_back({int(s.degree), {}, {}, {}});
    }
    void addControlPoint(const DL_ControlPointData& c) override {
        out.splines.back().controlPoints.push_back({c.x, c.y, c.z});
    }
    void addFitPoint(const DL_FitPointData& f) override {
        out.splines.back().fitPoints.push_back({f.x, f.y, f.z});
    }
    void addKnot(const DL_KnotData& k) override { out.splines.back().knots.push_back(k.k); }
    void addHatch(const DL_HatchData&) override { ++out.counts["HATCH"]; }

    // Tables and header variables that dxflib passes on as plain pairs.
    void processCodeValuePair(unsigned int code, const std::string& value) override {
        if (code == 0) {
            record = value;
            return;
        }
        if (code == 9) {
            variable = value;
            return;
        }
        if (variable == "$INSUNITS" && code == 70) {
            out.insUnits = std::stoi(value);
            variable.clear();
        }
        if (record == "UCS" && code == 2)
            out.ucsNames.push_back(value);
        if (record == "VPORT") {
            if (code == 16)
                out.viewDirection.x = std::stod(value);
            if (code == 26)
                out.viewDirection.y = std::stod(value);
            if (code == 36)
                out.viewDirection.z = std::stod(value);
        }
    }

private:
    std::string record, variable;
};

} // namespace

DxfContents readDxf(const QString& path) {
    DxfContents c;
    Reader reader(c);
    DL_Dxf dxf;
    c.loaded = dxf.in(QFile::encodeName(path).toStdString(), &reader);
    return c;
}

Vec3 worldOf(const Vec3& p, const Vec3& extrusion) {
    Vec3 ax, ay;
    host::ocsAxes(extrusion, ax, ay);
    return ax * p.x + ay * p.y + extrusion.unit() * p.z;
}
