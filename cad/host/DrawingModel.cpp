#include "cad/host/DrawingModel.h"

#include "cad/host/SplineFit.h"
#include "common/StringTable.h"

#include <QStringList>
#include <cmath>

namespace host {

namespace {

constexpr double kTwoPi = 2 * M_PI;

// Coordinates, radii and angles stay within this magnitude, so that the lengths, products and
// transforms made of them (in the view, the spline fit and the DXF file) stay finite too.
constexpr double kLargestValue = 1e150;

void requireFinite(double v) {
    if (!(std::fabs(v) <= kLargestValue))
        throw ModelError(QStringLiteral("数值无效"));
}
void requireFinite(const Vec3& v) {
    requireFinite(v.x);
    requireFinite(v.y);
    requireFinite(v.z);
}

// Every value the entity holds, and for a spline the curve fitted through its points, which
// points too close together to measure make undefined.
void requireValid(const Entity& entity) {
    std::visit(
        [](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Spline>) {
                for (const Vec3& p : e.fitPoints)
                    requireFinite(p);
                requireFinite(e.startTangent);
                requireFinite(e.endTangent);
                const BSpline fitted = interpolate(e.fitPoints);
                for (double k : fitted.knots)
                    requireFinite(k);
                for (const Vec3& c : fitted.controlPoints)
                    requireFinite(c);
            } else if constexpr (std::is_same_v<T, Line>) {
                requireFinite(e.start);
                requireFinite(e.end);
            } else if constexpr (std::is_same_v<T, Region>) {
                requireValid(e.circle);
            } else {
                requireFinite(e.centre);
                requireFinite(e.radius);
                requireFinite(e.normal);
                // The plane's normal is the file's extrusion direction, which must not be zero.
                if (e.normal.direction() == Vec3{})
                    throw ModelError(
                        StringTable::pick("法线方向无效", "法線方向無效", "The normal is invalid"));
                if constexpr (std::is_same_v<T, Arc>) {
                    requireFinite(e.startDirection);
                    requireFinite(e.endDirection);
                }
            }
        },
        entity);
}

// The points an entity counts against the drawing's limit.
size_t pointsOf(const Entity& entity) {
    return std::visit(
        [](const auto& e) -> size_t {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, Spline>)
                return e.fitPoints.size();
            else if constexpr (std::is_same_v<T, Line>)
                return 2;
            else
                return 1;
        },
        entity);
}

// Axes whose directions differ by less than this sine count as parallel: rounding alone turns
// the normal made of them by more than about a ten-millionth of a radian.
constexpr double kParallelSine = 1e-9;

Vec3 direction(double angle) {
    const double a = std::fmod(angle, kTwoPi);
    return {std::cos(a), std::sin(a), 0};
}

// The variables a command line may set; other commands are not ours and are ignored.
const QStringList kCommandVariables = {QStringLiteral("dimaunit"),  QStringLiteral("angdir"),
                                       QStringLiteral("angbase"),   QStringLiteral("osmode"),
                                       QStringLiteral("orthomode"), QStringLiteral("pdmode")};

} // namespace

ModelError tooManyPoints() {
    return ModelError(StringTable::pick("点数超过 %1", "點數超過 %1", "More than %1 points")
                          .arg(DrawingModel::kMaxSplinePoints));
}

void requireValidText(const QString& text, TextUse use) {
    const QString what = use == TextUse::FileName ? StringTable::pick("文件名", "檔名", "file name")
                         : use == TextUse::Name   ? StringTable::pick("名称", "名稱", "name")
                                                  : StringTable::pick("命令", "命令", "command");
    if (use != TextUse::Command && text.trimmed().isEmpty())
        throw ModelError(StringTable::pick("%1为空", "%1為空", "The %1 is empty").arg(what));
    qsizetype characters = 0;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            throw ModelError(
                StringTable::pick("%1中有控制字符", "%1中有控制字元", "The %1 holds a control character")
                    .arg(what));
        characters += c.isLowSurrogate() ? 0 : 1;
    }
    if (use != TextUse::FileName && characters > kMaxTextLength)
        throw ModelError(
            StringTable::pick("%1超过 %2 个字符", "%1超過 %2 個字元", "The %1 is longer than %2 characters")
                .arg(what)
                .arg(kMaxTextLength));
}

DrawingModel::DrawingModel() = default;

void DrawingModel::clear() {
    entities_.clear();
    order_.clear();
    ucs_.clear();
    activeUcs_ = 0;
    viewDirection_ = {0, 0, 1};
    variables_.clear();
    pointCount_ = 0;
    modified_ = false;
    emit changed();
    emit viewChanged();
}

void DrawingModel::requireRoomFor(size_t points) const {
    if (points > kMaxDrawingPoints - pointCount_)
        throw ModelError(StringTable::pick("图形的点数将超过 %1", "圖形的點數將超過 %1",
                                           "The drawing would hold more than %1 points")
                             .arg(kMaxDrawingPoints));
}

Id DrawingModel::add(Entity e) {
    const size_t points = pointsOf(e);
    requireRoomFor(points);
    requireValid(e);
    pointCount_ += points;
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
    if (fitPoints.size() > kMaxSplinePoints)
        throw tooManyPoints();
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
    requireValidText(name, TextUse::Name);
    requireFinite(origin);
    requireFinite(xAxisPoint);
    requireFinite(yAxisPoint);
    requireRoomFor(1);
    const Vec3 x = xAxisPoint - origin;
    const Vec3 y = yAxisPoint - origin;
    const Vec3 xu = x.direction(), yu = y.direction();
    if (xu == Vec3{} || yu == Vec3{} || !(xu.cross(yu).length() >= kParallelSine))
        throw ModelError(StringTable::pick("坐标轴为零或相互平行", "座標軸為零或相互平行",
                                           "The axes are zero or parallel"));
    // The normal is made of the axes as given where their product's square stays within range,
    // so that saved drawings keep their bits, and of the scaled axes where it does not.
    const Vec3 z = x.cross(y);
    const Vec3 zu = std::isnormal(z.dot(z)) ? z.unit() : xu.cross(yu).direction();
    const Ucs ucs{name, origin, xu, zu.cross(xu), zu};
    const Id id = nextId_++;
    ucs_[id] = ucs;
    ++pointCount_;
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
    Entity moved = find(id);
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
        moved);
    replace(id, std::move(moved));
    emit changed();
}

void DrawingModel::rotate3D(Id id, Vec3 p1, Vec3 p2, double angle) {
    requireFinite(p1);
    requireFinite(p2);
    requireFinite(angle);
    const Vec3 axis = (p2 - p1).unit();
    if (axis.length() == 0)
        throw ModelError(QStringLiteral("旋转轴长度为零"));
    Entity turnedEntity = find(id);
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
        turnedEntity);
    replace(id, std::move(turnedEntity));
}

void DrawingModel::replace(Id id, Entity changed) {
    requireValid(changed);
    find(id) = std::move(changed);
    modified_ = true;
    emit this->changed();
}

void DrawingModel::setCenter(Id id, Vec3 centre) {
    requireFinite(centre);
    auto* circle = std::get_if<Circle>(&find(id));
    if (!circle)
        throw ModelError(QStringLiteral("只有圆有圆心"));
    Circle moved = *circle;
    moved.centre = centre;
    replace(id, moved);
}

void DrawingModel::setViewDirection(Vec3 direction) {
    requireFinite(direction);
    if (direction.length() == 0)
        throw ModelError(QStringLiteral("视图方向无效"));
    viewDirection_ = direction;
    modified_ = true;
}

void DrawingModel::sendCommand(const QString& line) {
    requireValidText(line, TextUse::Command);
    const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 2)
        return;
    const QString name = words[0].toLower();
    if (kCommandVariables.contains(name))
        variables_[name] = words[1];
}

void DrawingModel::setVariable(const QString& name, int value) {
    requireValidText(name, TextUse::Name);
    const QString key = name.trimmed().toLower();
    if (variables_.size() >= kMaxVariables && !variables_.contains(key))
        throw ModelError(StringTable::pick("变量数将超过 %1", "變數數量將超過 %1",
                                           "The drawing would hold more than %1 variables")
                             .arg(kMaxVariables));
    variables_[key] = QString::number(value);
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
