#pragma once
// What Helidraw asks of the drawing host: one member per host call, the unnamed ones
// included. Two implementations exist: the socket client that talks to DrawingHost, and the
// recording host of the tests. Every call either does what it says or throws HostError.

#include "cad/protocol/HostMessages.h"

#include <QCborArray>
#include <QCborValue>
#include <QList>
#include <QString>
#include <stdexcept>
#include <vector>

namespace cad {

using hostproto::Point3;
using EntityId = qint64;

// A host call that failed: the host refused it, or the connection is gone. Carries the
// call's name, so the user learns which step of the drawing stopped.
class HostError : public std::runtime_error {
public:
    HostError(QString call, QString text)
        : std::runtime_error((call + QStringLiteral(": ") + text).toStdString()), call_(std::move(call)),
          text_(std::move(text)) {}
    const QString& call() const { return call_; }
    const QString& text() const { return text_; }

private:
    QString call_;
    QString text_;
};

class CadHost {
public:
    virtual ~CadHost() = default;

    // Attaches to the running host, or starts one. Throws HostError whose text describes
    // why no host could be reached.
    virtual void attach() = 0;

    // The application setting that shows the host's window maximised (value 3).
    void setWindowState(int state) { invoke(QStringLiteral("setWindowState"), {state}); }
    void setVisible(bool visible) { invoke(QStringLiteral("setVisible"), {visible}); }
    void sendCommand(const QString& line) { invoke(QStringLiteral("sendCommand"), {line}); }
    void setVariable(const QString& name, qint16 value) {
        invoke(QStringLiteral("setVariable"), {name, value});
    }

    EntityId addSpline(const std::vector<double>& points, Point3 startTangent, Point3 endTangent);
    EntityId addCircle(Point3 centre, double radius);
    EntityId addRegion(const QList<EntityId>& entities);
    EntityId addArc(Point3 centre, double radius, double startAngle, double endAngle);
    EntityId addLine(Point3 start, Point3 end);
    EntityId addUcs(Point3 origin, Point3 xAxisPoint, Point3 yAxisPoint, const QString& name);
    // 0 makes the world's system active.
    void setActiveUcs(EntityId ucs);
    // Every window of Helidraw draws into the one host: this is the user coordinate system
    // that the last of them made active there (0: the world's), so that a step which needs the
    // world's system can give the drawing back as it found it.
    static EntityId knownActiveUcs();
    // A host just started has the world's system active.
    static void forgetActiveUcs();
    void setViewDirection(Point3 direction);
    // The active viewport assigned back, so that the host applies the direction.
    void applyViewport() { invoke(QStringLiteral("applyViewport"), {}); }
    double angleFromXAxis(Point3 from, Point3 to);

    void move(EntityId entity, Point3 from, Point3 to);
    void rotate3D(EntityId entity, Point3 axis1, Point3 axis2, double angle);
    void update(EntityId entity) { invoke(QStringLiteral("update"), {entity}); }
    void setCenter(EntityId circle, Point3 centre);
    // Lets go of the circle object; the drawing keeps the circle.
    void release(EntityId entity) { invoke(QStringLiteral("release"), {entity}); }
    // Brings the whole drawing into view.
    void zoomExtents() { invoke(QStringLiteral("zoomExtents"), {}); }

protected:
    // Sends one call with its arguments and returns the host's result.
    virtual QCborValue invoke(const QString& call, const QCborArray& args) = 0;

private:
    EntityId idResult(const QString& call, const QCborArray& args);
};

} // namespace cad
