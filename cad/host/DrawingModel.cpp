#include "cad/host/DrawingModel.h"

#include <QStringList>
#include <cmath>

namespace host {

namespace {

constexpr double kTwoPi = 2 * M_PI;

void requireFinite(double v) {
    if (!std::isfinite(v))
        throw ModelError(QStringLiteral("数值无效"));
}
void requireFinite(const Vec3& v) {
    requireFinite(v.x);
    requireFinite(v.y);
    requireFinite(v.z);
}

Vec3 direction(double angle) {
    const double a = std::fmod(angle, kTwoPi);
    return {std::cos(a), std::sin(a), 0};
}

// The variables a command line may set; other commands are not ours and are ignored.
const QStringList kCommandVariables = {QStringLiteral("dimaunit"),  QStringLiteral("angdir"),
                                       QStringLiteral("angbase"),   QStringLiteral("osmode"),
                                       QStringLiteral("orthomode"), QStringLiteral("pdmode")};

} // namespace

DrawingModel::DrawingModel() = default;

void DrawingModel::clear() {
    entities_.clear();
    order_.clear();
    ucs_.clear();
    activeUcs_ = 0;
    viewDirection_ = {0, 0, 1};
    variables_.clear();
    modified_ = false;
    emit changed();
    emit viewChanged();
}

Id DrawingModel::add(Entity e) {
    const Id id = nextId_++;
    entities_.emplace(id, std::move(e));
    order_.push_back(id);
    modified_ = true;
    emit changed();
    return id;
}

Entity& DrawingModel::find(Id id) {
    auto it = entities_.find(id);
    if (it == entities_.end())
        throw ModelError(QStringLiteral("没有编号为 %1 的图元").arg(id));
    return it->second;
}

const Entity& DrawingModel::entity(Id id) const {
    return const_cast<DrawingModel*>(this)->find(id);
}

void DrawingModel::touch(Id entity) const {
    this->entity(entity);
}

Vec3 DrawingModel::activeNormal() const {
    auto it = ucs_.find(activeUcs_);
    return it == ucs_.end() ? Vec3{0, 0, 1} : it->second.zAxis;
}

Id DrawingModel::addSpline(const std::vector<Vec3>& fitPoints, Vec3 startTangent, Vec3 endTangent) {
    if (fitPoints.empty())
        throw ModelError(QStringLiteral("点表为空"));
    for (const Vec3& p : fitPoints)
        requireFinite(p);
    requireFinite(startTangent);
    requireFinite(endTangent);
    return add(Spline{fitPoints, startTangent, endTangent});
}

Id DrawingModel::addCircle(Vec3 centre, double radius) {
    requireFinite(centre);
    requireFinite(radius);
    if (radius <= 0)
        throw ModelError(QStringLiteral("半径必须大于零"));
    // The circle lies in the active system's xy plane, so a section stands across the wire.
    return add(Circle{centre, radius, activeNormal()});
}

Id DrawingModel::addArc(Vec3 centre, double radius, double startAngle, double endAngle) {
    requireFinite(centre);
    requireFinite(radius);
    requireFinite(startAngle);
    requireFinite(endAngle);
    if (radius <= 0)
        throw ModelError(QStringLiteral("半径必须大于零"));
    return add(Arc{centre, radius, {0, 0, 1}, direction(startAngle), direction(endAngle)});
}

Id DrawingModel::addLine(Vec3 start, Vec3 end) {
    requireFinite(start);
    requireFinite(end);
    return add(Line{start, end});
}

Id DrawingModel::addRegion(const std::vector<Id>& circles) {
    if (circles.size() != 1)
        throw ModelError(QStringLiteral("面域需要一个圆"));
    const auto* circle = std::get_if<Circle>(&find(circles.front()));
    if (!circle)
        throw ModelError(QStringLiteral("面域只能由圆生成"));
    return add(Region{*circle});
}

Id DrawingModel::addUcs(Vec3 origin, Vec3 xAxisPoint, Vec3 yAxisPoint, const QString& name) {
    requireFinite(origin);
    requireFinite(xAxisPoint);
    requireFinite(yAxisPoint);
    const Vec3 x = xAxisPoint - origin;
    const Vec3 y = yAxisPoint - origin;
    const Vec3 z = x.cross(y);
    if (x.length() == 0 || y.length() == 0 || z.length() == 0)
        throw ModelError(QStringLiteral("坐标轴无效"));
    const Vec3 zu = z.unit(), xu = x.unit();
    const Id id = nextId_++;
    ucs_[id] = Ucs{name, origin, xu, zu.cross(xu), zu};
    activeUcs_ = id;
    modified_ = true;
    emit changed();
    return id;
}

void DrawingModel::setActiveUcs(Id ucs) {
    if (ucs != 0 && !ucs_.count(ucs))
        throw ModelError(QStringLiteral("没有编号为 %1 的用户坐标系").arg(ucs));
    activeUcs_ = ucs;
    modified_ = true;
}

void DrawingModel::move(Id id, Vec3 from, Vec3 to) {
    requireFinite(from);
    requireFinite(to);
    const Vec3 by = to - from;
    std::visit(
        [&](auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Spline>) {
                for (Vec3& p : e.fitPoints)
                    p = p + by;
            } else if constexpr (std::is_same_v<T, Line>) {
                e.start = e.start + by;
                e.end = e.end + by;
            } else if constexpr (std::is_same_v<T, Region>) {
                e.circle.centre = e.circle.centre + by;
            } else {
                e.centre = e.centre + by;
            }
        },
        find(id));
    modified_ = true;
    emit changed();
}

void DrawingModel::rotate3D(Id id, Vec3 p1, Vec3 p2, double angle) {
    requireFinite(p1);
    requireFinite(p2);
    requireFinite(angle);
    const Vec3 axis = (p2 - p1).unit();
    if (axis.length() == 0)
        throw ModelError(QStringLiteral("旋转轴长度为零"));
    Entity& entity = find(id);
    const auto point = [&](Vec3 p) { return p1 + turned(p - p1, axis, angle); };
    const auto vector = [&](Vec3 v) { return turned(v, axis, angle); };
    std::visit(
        [&](auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Spline>) {
                for (Vec3& p : e.fitPoints)
                    p = point(p);
                e.startTangent = vector(e.startTangent);
                e.endTangent = vector(e.endTangent);
            } else if constexpr (std::is_same_v<T, Line>) {
                e.start = point(e.start);
                e.end = point(e.end);
            } else if constexpr (std::is_same_v<T, Circle>) {
                e.centre = point(e.centre);
                e.normal = vector(e.normal);
            } else if constexpr (std::is_same_v<T, Arc>) {
                e.centre = point(e.centre);
                e.normal = vector(e.normal);
                e.startDirection = vector(e.startDirection);
                e.endDirection = vector(e.endDirection);
            } else {
                e.circle.centre = point(e.circle.centre);
                e.circle.normal = vector(e.circle.normal);
            }
        },
        entity);
    modified_ = true;
    emit changed();
}

void DrawingModel::setCenter(Id id, Vec3 centre) {
    requireFinite(centre);
    auto* circle = std::get_if<Circle>(&find(id));
    if (!circle)
        throw ModelError(QStringLiteral("只有圆有圆心"));
    circle->centre = centre;
    modified_ = true;
    emit changed();
}

void DrawingModel::setViewDirection(Vec3 direction) {
    requireFinite(direction);
    if (direction.length() == 0)
        throw ModelError(QStringLiteral("视图方向无效"));
    viewDirection_ = direction;
    modified_ = true;
}

void DrawingModel::sendCommand(const QString& line) {
    const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return;
    const QString name = words[0].toLower();
    if (kCommandVariables.contains(name))
        variables_[name] = words[1];
}

void DrawingModel::setVariable(const QString& name, int value) {
    if (name.trimmed().isEmpty())
        throw ModelError(QStringLiteral("变量名为空"));
    variables_[name.trimmed().toLower()] = QString::number(value);
}

QString DrawingModel::variable(const QString& name) const {
    return variables_.value(name.toLower());
}

double DrawingModel::angleFromXAxis(Vec3 from, Vec3 to) {
    requireFinite(from);
    requireFinite(to);
    const double dx = to.x - from.x, dy = to.y - from.y;
    if (dx == 0 && dy == 0)
        return 0;
    double a = std::atan2(dy, dx);
    if (a < 0)
        a += kTwoPi;
    return a >= kTwoPi ? 0 : a;
}

} // namespace host
