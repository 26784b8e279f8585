#include "cad/host/HostCalls.h"

#include "cad/protocol/HostMessages.h"
#include "common/StringTable.h"

#include <cmath>

namespace host {

namespace {

class Args {
public:
    explicit Args(const QCborArray& a) : a_(a) {}

    void count(qsizetype n) const {
        if (a_.size() != n)
            throw ModelError(QStringLiteral("参数个数不对"));
    }
    Vec3 point(qsizetype i) const {
        const auto p = hostproto::Point3::fromCbor(a_.at(i));
        if (!p)
            throw ModelError(QStringLiteral("第 %1 个参数不是点").arg(i + 1));
        return {p->x, p->y, p->z};
    }
    double number(qsizetype i) const {
        const QCborValue v = a_.at(i);
        if (!v.isDouble() && !v.isInteger())
            throw ModelError(QStringLiteral("第 %1 个参数不是数").arg(i + 1));
        const double d = v.toDouble();
        if (!std::isfinite(d))
            throw ModelError(QStringLiteral("数值无效"));
        return d;
    }
    // The calls' integers are 16-bit; a number that is not one is refused before it is
    // converted, since converting a double beyond the int range is undefined.
    int int16(qsizetype i, const QString& refusal) const {
        const double v = number(i);
        if (v != std::trunc(v) || v < -32768 || v > 32767)
            throw ModelError(refusal);
        return int(v);
    }
    Id id(qsizetype i) const {
        if (!a_.at(i).isInteger())
            throw ModelError(QStringLiteral("第 %1 个参数不是图元编号").arg(i + 1));
        return a_.at(i).toInteger();
    }
    // Every text a call passes is checked here, whatever becomes of it.
    QString text(qsizetype i, TextUse use) const {
        if (!a_.at(i).isString())
            throw ModelError(QStringLiteral("第 %1 个参数不是文字").arg(i + 1));
        const QString text = a_.at(i).toString();
        requireValidText(text, use);
        return text;
    }
    std::vector<Vec3> points(qsizetype i) const {
        if (!a_.at(i).isArray())
            throw ModelError(QStringLiteral("点表无效"));
        const QCborArray list = a_.at(i).toArray();
        if (list.size() % 3 != 0)
            throw ModelError(QStringLiteral("点表长度不是 3 的倍数"));
        if (size_t(list.size() / 3) > DrawingModel::kMaxSplinePoints)
            throw tooManyPoints();
        std::vector<Vec3> out;
        out.reserve(size_t(list.size() / 3));
        for (qsizetype k = 0; k < list.size(); k += 3) {
            for (qsizetype j = 0; j < 3; ++j)
                if (!list.at(k + j).isDouble() && !list.at(k + j).isInteger())
                    throw ModelError(QStringLiteral("点表无效"));
            out.push_back({list.at(k).toDouble(), list.at(k + 1).toDouble(), list.at(k + 2).toDouble()});
        }
        return out;
    }
    std::vector<Id> ids(qsizetype i) const {
        if (!a_.at(i).isArray())
            throw ModelError(QStringLiteral("图元表无效"));
        std::vector<Id> out;
        for (const QCborValue& v : a_.at(i).toArray()) {
            if (!v.isInteger())
                throw ModelError(QStringLiteral("图元表无效"));
            out.push_back(v.toInteger());
        }
        return out;
    }

private:
    const QCborArray& a_;
};

} // namespace

QCborMap HostCalls::handle(const QCborMap& request) {
    const QCborValue name = request.value(QStringLiteral("call"));
    const QCborValue args = request.value(QStringLiteral("args"));
    if (!name.isString() || !args.isArray())
        return hostproto::failure(QStringLiteral("请求无效"));
    // While the user is asked what becomes of the drawing, a spring drawn meanwhile would be
    // dropped or saved unseen: only the greeting is answered, so that Helidraw names the reason.
    if (asking_ && name.toString() != u"hello") {
        if (onRefusedWhileAsking)
            onRefusedWhileAsking();
        return hostproto::failure(StringTable::pick("绘图主机正在询问是否保存图形，请先回答它",
                                                    "繪圖主機正在詢問是否儲存圖形，請先回答它",
                                                    "The drawing host is asking whether to save the "
                                                    "drawing; answer it first"));
    }
    try {
        return hostproto::success(call(name.toString(), args.toArray()));
    } catch (const ModelError& e) {
        return hostproto::failure(e.text());
    }
}

QCborValue HostCalls::call(const QString& name, const QCborArray& list) {
    const Args a(list);
    if (name == u"hello") {
        return QCborValue(QStringLiteral("DrawingHost"));
    } else if (name == u"setVisible") {
        a.count(1);
        if (onSetVisible)
            onSetVisible(list.at(0).toBool());
    } else if (name == u"setWindowState") {
        a.count(1);
        const int state = a.int16(0, QStringLiteral("窗口状态必须是 16 位整数"));
        if (onSetWindowState)
            onSetWindowState(state);
    } else if (name == u"sendCommand") {
        a.count(1);
        model_.sendCommand(a.text(0, TextUse::Command));
    } else if (name == u"setVariable") {
        a.count(2);
        model_.setVariable(a.text(0, TextUse::Name), a.int16(1, QStringLiteral("变量值必须是 16 位整数")));
    } else if (name == u"addSpline") {
        a.count(3);
        return model_.addSpline(a.points(0), a.point(1), a.point(2));
    } else if (name == u"addCircle") {
        a.count(2);
        return model_.addCircle(a.point(0), a.number(1));
    } else if (name == u"addRegion") {
        a.count(1);
        return model_.addRegion(a.ids(0));
    } else if (name == u"addArc") {
        a.count(4);
        return model_.addArc(a.point(0), a.number(1), a.number(2), a.number(3));
    } else if (name == u"addLine") {
        a.count(2);
        return model_.addLine(a.point(0), a.point(1));
    } else if (name == u"addUcs") {
        a.count(4);
        return model_.addUcs(a.point(0), a.point(1), a.point(2), a.text(3, TextUse::Name));
    } else if (name == u"setActiveUcs") {
        a.count(1);
        model_.setActiveUcs(a.id(0));
    } else if (name == u"setViewDirection") {
        a.count(1);
        model_.setViewDirection(a.point(0));
    } else if (name == u"applyViewport") {
        if (onApplyViewport)
            onApplyViewport();
    } else if (name == u"angleFromXAxis") {
        a.count(2);
        return DrawingModel::angleFromXAxis(a.point(0), a.point(1));
    } else if (name == u"move") {
        a.count(3);
        model_.move(a.id(0), a.point(1), a.point(2));
    } else if (name == u"rotate3D") {
        a.count(4);
        model_.rotate3D(a.id(0), a.point(1), a.point(2), a.number(3));
    } else if (name == u"update" || name == u"release") {
        a.count(1);
        model_.touch(a.id(0));
    } else if (name == u"setCenter") {
        a.count(2);
        model_.setCenter(a.id(0), a.point(1));
    } else if (name == u"zoomExtents") {
        if (onZoomExtents)
            onZoomExtents();
    } else if (name == u"saveDxf") {
        a.count(1);
        const QString error =
            onSaveDxf ? onSaveDxf(a.text(0, TextUse::FileName)) : QStringLiteral("不能保存");
        if (!error.isEmpty())
            throw ModelError(error);
    } else {
        throw ModelError(QStringLiteral("未知的调用：") + name);
    }
    return QCborValue(QCborValue::Null);
}

} // namespace host
