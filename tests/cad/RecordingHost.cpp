#include "RecordingHost.h"

#include <cmath>

int HostScript::count(const QString& call) const {
    return int(
        std::count_if(calls.begin(), calls.end(), [&](const RecordedCall& c) { return c.call == call; }));
}

QList<RecordedCall> HostScript::named(const QString& call) const {
    QList<RecordedCall> out;
    for (const RecordedCall& c : calls)
        if (c.call == call)
            out.append(c);
    return out;
}

QList<RecordedCall> HostScript::drawingCalls() const {
    static const QStringList preparing = {QStringLiteral("hello"), QStringLiteral("setWindowState"),
                                          QStringLiteral("setVisible"), QStringLiteral("sendCommand")};
    QList<RecordedCall> out;
    bool preparingDone = false;
    for (const RecordedCall& c : calls) {
        if (!preparingDone) {
            if (preparing.contains(c.call))
                continue;
            if (c.call == QStringLiteral("setVariable") &&
                c.args.at(0).toString() == QStringLiteral("pdmode")) {
                preparingDone = true;
                continue;
            }
        }
        preparingDone = true;
        out.append(c);
    }
    return out;
}

void RecordingHost::attach() {
    if (!script_->attachError.isEmpty())
        throw cad::HostError(QStringLiteral("hello"), script_->attachError);
    invoke(QStringLiteral("hello"), {});
}

QCborValue RecordingHost::invoke(const QString& call, const QCborArray& args) {
    if (call == script_->refuseCall && script_->count(call) + 1 == script_->refuseOccurrence)
        throw cad::HostError(call, QStringLiteral("refused"));
    script_->calls.append({call, args});
    if (call.startsWith(QStringLiteral("add")))
        return nextId_++;
    if (call == QStringLiteral("angleFromXAxis")) {
        const auto a = *hostproto::Point3::fromCbor(args.at(0));
        const auto b = *hostproto::Point3::fromCbor(args.at(1));
        double angle = std::atan2(b.y - a.y, b.x - a.x);
        if (angle < 0)
            angle += 2 * M_PI;
        return angle;
    }
    return {};
}

RecordingHostScope::RecordingHostScope(HostScript& script) {
    // Each test starts with a new drawing.
    cad::CadHost::forgetActiveUcs();
    cad::setHostFactory([&script] {
        ++script.hostsMade;
        return std::make_unique<RecordingHost>(&script);
    });
}

namespace {

// Outside a test's own scope, windows of this program still get a recording host: a test
// that clicks every window must never start a real host on the machine.
void installFallback() {
    static HostScript discarded;
    cad::setHostFactory([] { return std::make_unique<RecordingHost>(&discarded); });
}

const bool fallbackInstalled = (installFallback(), true);

} // namespace

RecordingHostScope::~RecordingHostScope() {
    installFallback();
}

hostproto::Point3 pointArg(const RecordedCall& c, int index) {
    return hostproto::Point3::fromCbor(c.args.at(index)).value_or(hostproto::Point3{NAN, NAN, NAN});
}

hostproto::Point3 splinePoint(const RecordedCall& c, int i) {
    const QCborArray list = c.args.at(0).toArray();
    return {list.at(3 * i).toDouble(), list.at(3 * i + 1).toDouble(), list.at(3 * i + 2).toDouble()};
}

int splinePointCount(const RecordedCall& c) {
    return int(c.args.at(0).toArray().size() / 3);
}
