#pragma once
// The drawing the host keeps: entities, user coordinate systems, view direction and
// variables. Every change goes through the members below; each checks its values and
// throws ModelError with a text for the caller when it refuses. No widgets here.

#include "cad/host/Vec3.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <map>
#include <stdexcept>
#include <variant>
#include <vector>

namespace host {

class ModelError : public std::runtime_error {
public:
    explicit ModelError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// The refusal of a point list longer than DrawingModel::kMaxSplinePoints.
ModelError tooManyPoints();

// What a text passed to the host is for. Names and command lines end up in lines of the DXF
// file, where a line break would end the record and make the rest of the text records of the
// sender's choosing, and where a field holds at most kMaxTextLength characters.
enum class TextUse {
    Name,     // of a coordinate system or a variable: not blank
    Command,  // a command line: may be empty
    FileName, // a path to save to: not empty, as long as the system allows
};
constexpr qsizetype kMaxTextLength = 255;

// Refuses, with the reason, a text that holds a control character (NUL included, which would
// cut a file name short) or breaks the rule of its use.
void requireValidText(const QString& text, TextUse use);

struct Spline {
    std::vector<Vec3> fitPoints;
    Vec3 startTangent, endTangent;
};
struct Circle {
    Vec3 centre;
    double radius = 0;
    Vec3 normal{0, 0, 1};
};
// Counterclockwise about the normal from the start direction to the end direction.
struct Arc {
    Vec3 centre;
    double radius = 0;
    Vec3 normal{0, 0, 1};
    Vec3 startDirection{1, 0, 0};
    Vec3 endDirection{1, 0, 0};
};
struct Line {
    Vec3 start, end;
};
// A filled disc: a copy of the circle it was made from.
struct Region {
    Circle circle;
};
using Entity = std::variant<Spline, Circle, Arc, Line, Region>;

struct Ucs {
    QString name;
    Vec3 origin, xAxis, yAxis, zAxis; // unit axes; y made square to x
};

using Id = qint64;

class DrawingModel : public QObject {
    Q_OBJECT
public:
    DrawingModel();

    // Empty drawing, world coordinates, default view.
    void clear();

    // Several times the points of the largest spring Helidraw draws (fewer than 33,000).
    static constexpr size_t kMaxSplinePoints = 200000;
    // The points the whole drawing may hold: the host serves one client at a time, and saving
    // or showing all of a drawing this large keeps every client waiting for about a second.
    // It holds a spline of kMaxSplinePoints and one of Helidraw's largest springs besides.
    // Spline fit points count one each, as do the ends of a line, the centre of a circle, an
    // arc or a region, and the origin of a coordinate system.
    static constexpr size_t kMaxDrawingPoints = 250000;
    size_t pointCount() const { return pointCount_; }

    Id addSpline(const std::vector<Vec3>& fitPoints, Vec3 startTangent, Vec3 endTangent);
    Id addCircle(Vec3 centre, double radius);
    Id addArc(Vec3 centre, double radius, double startAngle, double endAngle);
    Id addLine(Vec3 start, Vec3 end);
    Id addRegion(const std::vector<Id>& circles);
    Id addUcs(Vec3 origin, Vec3 xAxisPoint, Vec3 yAxisPoint, const QString& name);
    void setActiveUcs(Id ucs);

    void move(Id entity, Vec3 from, Vec3 to);
    void rotate3D(Id entity, Vec3 axisPoint1, Vec3 axisPoint2, double angle);
    void setCenter(Id circle, Vec3 centre);
    // Checks that the entity exists; nothing else to do.
    void touch(Id entity) const;

    void setViewDirection(Vec3 direction);
    Vec3 viewDirection() const { return viewDirection_; }

    // Helidraw sets two variables and a command line sets at most six others; a client that
    // makes up names could otherwise grow the host without end (a name holds up to
    // kMaxTextLength characters). A thousand is far beyond any real use, and at the longest
    // names costs under a megabyte.
    static constexpr qsizetype kMaxVariables = 1000;

    // "name value " command lines set the variable of that name; unknown commands are ignored.
    void sendCommand(const QString& line);
    // A variable not set yet is refused once kMaxVariables are; one already set may change.
    void setVariable(const QString& name, int value);
    // Variables by lower-case name, as text ("270d", "35").
    QString variable(const QString& name) const;

    static double angleFromXAxis(Vec3 from, Vec3 to);

    // Reading.
    const std::vector<Id>& order() const { return order_; }
    const Entity& entity(Id id) const;
    const std::map<Id, Ucs>& ucsTable() const { return ucs_; }
    Id activeUcs() const { return activeUcs_; }
    // The active system's z axis, or world z.
    Vec3 activeNormal() const;
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

signals:
    void changed();
    void viewChanged();

private:
    Id add(Entity e);
    // Refuses a change that would make the drawing hold more than kMaxDrawingPoints.
    void requireRoomFor(size_t points) const;
    // Stores what a change made of the entity, once every value of it is checked.
    void replace(Id id, Entity changed);
    Entity& find(Id id);

    std::map<Id, Entity> entities_;
    std::vector<Id> order_;
    std::map<Id, Ucs> ucs_;
    Id activeUcs_ = 0;
    Id nextId_ = 1;
    size_t pointCount_ = 0;
    Vec3 viewDirection_{0, 0, 1};
    QMap<QString, QString> variables_;
    bool modified_ = false;
};

} // namespace host
